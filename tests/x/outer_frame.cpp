// SPDX-License-Identifier: GPL-3.0-or-later
#include "outer_frame.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <memory>

namespace zormade::test {
namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t* Connection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t Atom(const char* name) {
    xcb_connection_t* x = Connection();
    Reply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr),
        std::free);
    return atom ? atom->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of property `name` of `window`; empty when it has none.
std::vector<uint32_t> Property(WId window, const char* name) {
    xcb_connection_t* x = Connection();
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            x, xcb_get_property(x, 0, static_cast<xcb_window_t>(window), Atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
            nullptr),
        std::free);
    if (!reply || reply->format != 32) return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<uint32_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

}  // namespace

AskedFunctions MotifFunctions(WId window) {
    constexpr uint32_t kFunctionsGiven = 1, kAll = 1, kMinimise = 8, kMaximise = 16, kClose = 32;
    const std::vector<uint32_t> hints = Property(window, "_MOTIF_WM_HINTS");
    if (hints.size() < 2 || !(hints[0] & kFunctionsGiven) || (hints[1] & kAll)) return {true, true, true};
    return {(hints[1] & kClose) != 0, (hints[1] & kMinimise) != 0, (hints[1] & kMaximise) != 0};
}

bool MaximiseOffered(WId window) {
    const std::vector<uint32_t> actions = Property(window, "_NET_WM_ALLOWED_ACTIONS");
    const uint32_t horizontal = Atom("_NET_WM_ACTION_MAXIMIZE_HORZ");
    const uint32_t vertical = Atom("_NET_WM_ACTION_MAXIMIZE_VERT");
    return std::find(actions.begin(), actions.end(), horizontal) != actions.end() ||
           std::find(actions.begin(), actions.end(), vertical) != actions.end();
}

QRect OuterFrame(WId window) {
    xcb_connection_t* x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    // Climb to the window manager's frame: the ancestor whose parent is the root. A window that
    // is itself a child of the root has no frame yet.
    auto frame = static_cast<xcb_window_t>(window);
    for (bool framed = false;; framed = true) {
        Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(x, xcb_query_tree(x, frame), nullptr), std::free);
        if (!tree || (tree->parent == root && !framed)) return {};
        if (tree->parent == root) break;
        frame = tree->parent;
    }
    Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(x, xcb_get_geometry(x, frame), nullptr), std::free);
    if (!geometry) return {};
    const int border = geometry->border_width;
    return QRect(geometry->x, geometry->y, geometry->width + 2 * border, geometry->height + 2 * border);
}

}  // namespace zormade::test
