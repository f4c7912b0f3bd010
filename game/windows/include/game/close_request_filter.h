// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The window manager's close request for the game's window, honoured while a message
// box or the name prompt is open: Qt drops it for a window a modal box blocks, and the
// game must end at once whatever it shows. Does nothing off X11.
#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>
#include <cstdint>

namespace game {

class CloseRequestFilter : public QAbstractNativeEventFilter {
 public:
  explicit CloseRequestFilter(QWidget& window);
  ~CloseRequestFilter() override;
  CloseRequestFilter(const CloseRequestFilter&) = delete;
  CloseRequestFilter& operator=(const CloseRequestFilter&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  QPointer<QWidget> window_;
  std::uint32_t protocolsAtom_ = 0;
  std::uint32_t deleteAtom_ = 0;
};

}  // namespace game
