// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_properties.h"

#include <xcb/xproto.h>

#include <QCoreApplication>
#include <QWindow>

namespace zormade {
namespace {

// The window an X event is about, when it is a framing, a frame's move or a property change.
xcb_window_t WindowOf(const xcb_generic_event_t* event) {
    switch (event->response_type & 0x7f) {
    case XCB_PROPERTY_NOTIFY:
        return reinterpret_cast<const xcb_property_notify_event_t*>(event)->window;
    case XCB_REPARENT_NOTIFY:
        return reinterpret_cast<const xcb_reparent_notify_event_t*>(event)->window;
    case XCB_CONFIGURE_NOTIFY:
        return reinterpret_cast<const xcb_configure_notify_event_t*>(event)->window;
    case XCB_MAP_NOTIFY: return reinterpret_cast<const xcb_map_notify_event_t*>(event)->window;
    default: return XCB_WINDOW_NONE;
    }
}

}  // namespace

WindowPropertyWatch::WindowPropertyWatch(const QWindow* window, std::function<void()> changed)
    : window_(window), changed_(std::move(changed)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowPropertyWatch::~WindowPropertyWatch() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowPropertyWatch::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t" || !window_) return false;
    if (WindowOf(static_cast<const xcb_generic_event_t*>(message)) == window_->winId()) {
        // Queued: the filter runs before Qt reads the event.
        QMetaObject::invokeMethod(this, changed_, Qt::QueuedConnection);
    }
    return false;
}

}  // namespace zormade
