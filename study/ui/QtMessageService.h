#pragma once
// The desktop message service: a modal QMessageBox with the Greek title and
// text, the icon and buttons asked for, after the requested beeps.

#include <QWidget>

#include "study/MessageService.h"

namespace aeriton {

class QtMessageService : public MessageService {
 public:
  MsgAnswer show(const Message& message) override;
};

// Centres a top-level window on its screen; extraDown moves it down instead
// (the 200 and 600 twips of the original layout are 13 and 40 pixels).
void centreWindow(QWidget* window, int extraDown = 0);

}  // namespace aeriton
