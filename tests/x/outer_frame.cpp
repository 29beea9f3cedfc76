// SPDX-License-Identifier: GPL-3.0-or-later
#include "outer_frame.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace zormade::test {
namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

}  // namespace

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
