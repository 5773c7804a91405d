#pragma once

#include "app/Session.h"

#include <QWidget>

namespace corvane
{

// The main window.
class Form1 : public QWidget
{
  Q_OBJECT

public:
  explicit Form1(Session& session, QWidget* parent = nullptr);

private:
  Session& m_session;
};

} // namespace corvane
