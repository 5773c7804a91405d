#include "ui/Form1.h"

#include "app/Messages.h"

namespace corvane
{

Form1::Form1(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
  setObjectName("Form1");
  setWindowTitle(QString::fromLatin1(Messages::MAIN_CAPTION.data(),
                                     static_cast<int>(Messages::MAIN_CAPTION.size())));
  resize(602, 415);
}

} // namespace corvane
