# Sourced by the test scripts: what they share.

# A message that must not be missed in a long log: a stage not run, a tool missing.
loud() {
  local bar="!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!"
  printf '\n%s\n!!! %s\n%s\n\n' "$bar" "$*" "$bar" >&2
}
