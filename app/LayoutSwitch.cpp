#include "app/LayoutSwitch.h"

#include "base/FileIo.h"

namespace corvane::LayoutSwitch
{

Outcome SaveCurrent(const Session& session, std::string_view name)
{
  const GameKeys* own = session.game_keys ? &*session.game_keys : nullptr;
  Outcome outcome = LayoutStore::Save(session.dir, name, LayoutOf(session.bindings, own));
  if (outcome.Ok())
    outcome = LayoutStore::SetInUse(session.dir, name);
  return outcome;
}

LayoutLoad Switch(Session& session, std::string_view name)
{
  LayoutLoad load = LayoutStore::Load(session.dir, name);
  if (!load.layout)
    return load;
  load.outcome = LayoutStore::SetInUse(session.dir, name);
  if (!load.outcome.Ok())
  {
    load.layout.reset();
    return load;
  }
  session.bindings = load.layout->bindings;
  // Own keys whose file could not be read are kept away from every write; a switch keeps that.
  if (session.game_keys)
    session.game_keys = GameKeysOf(*load.layout);
  return load;
}

Outcome SaveSwitchedOwnKeys(const Session& session)
{
  if (!session.game_keys)
    return {};
  const std::string path = session.dir.File(GAME_KEYS_FILE);
  const std::string& bytes = session.game_keys->Document().Bytes();
  const std::optional<std::string> stored = ReadFileBytes(path);
  if (stored ? *stored == bytes : bytes.empty())
    return {};
  return KeyCodeManager::SaveGameKeys(session.dir, *session.game_keys);
}

} // namespace corvane::LayoutSwitch
