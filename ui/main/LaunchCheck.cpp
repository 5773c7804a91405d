#include "ui/main/LaunchCheck.h"

#include "catalogue/GroupCoverage.h"
#include "ui/desktop/Dialogs.h"

namespace corvane
{

bool ConfirmLaunchWithoutGameFile(QWidget* parent, const Session& session,
                                  std::string_view set_name)
{
  const std::string_view reason =
      ZincListMan::MissingGameFileReason(session.dir, session.groups, set_name);
  return reason.empty() || AskYesNo(parent, reason);
}

} // namespace corvane
