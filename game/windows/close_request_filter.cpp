// SPDX-License-Identifier: GPL-2.0-or-later
#include "game/close_request_filter.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <cstring>

#if __has_include(<xcb/xcb.h>)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#define VOBREL_HAS_XCB 1
#endif

namespace game {

#ifdef VOBREL_HAS_XCB
namespace {
std::uint32_t internAtom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* r =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
  const std::uint32_t atom = r ? r->atom : 0;
  std::free(r);
  return atom;
}
}  // namespace
#endif

CloseRequestFilter::CloseRequestFilter(QWidget& window) : window_(&window) {
#ifdef VOBREL_HAS_XCB
  // Other platforms (offscreen among them) may answer for X11 without a connection.
  auto* x11 = QGuiApplication::platformName() == QLatin1String("xcb")
                  ? qApp->nativeInterface<QNativeInterface::QX11Application>()
                  : nullptr;
  if (xcb_connection_t* c = x11 ? x11->connection() : nullptr) {
    protocolsAtom_ = internAtom(c, "WM_PROTOCOLS");
    deleteAtom_ = internAtom(c, "WM_DELETE_WINDOW");
  }
#endif
  if (deleteAtom_ != 0) qApp->installNativeEventFilter(this);
}

CloseRequestFilter::~CloseRequestFilter() {
  if (deleteAtom_ != 0 && qApp) qApp->removeNativeEventFilter(this);
}

bool CloseRequestFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#ifdef VOBREL_HAS_XCB
  if (eventType != "xcb_generic_event_t" || !window_) return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
  const auto* request = static_cast<const xcb_client_message_event_t*>(message);
  if (request->format != 32 || request->type != protocolsAtom_ || request->data.data32[0] != deleteAtom_) return false;
  if (request->window != static_cast<xcb_window_t>(window_->winId())) return false;
  // Without a modal box Qt delivers the request itself.
  if (!QApplication::activeModalWidget()) return false;
  QTimer::singleShot(0, window_.data(), [w = window_] {
    if (w) w->close();
  });
  return true;
#else
  (void)eventType;
  (void)message;
  return false;
#endif
}

}  // namespace game
