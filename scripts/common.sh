# Sourced by the test scripts: what they share.

# A message that must not be missed in a long log: a stage not run, a tool missing.
loud() {
  local bar="!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!"
  printf '\n%s\n!!! %s\n%s\n\n' "$bar" "$*" "$bar" >&2
}

# Refreshes apt's package lists, waiting for another apt run that holds the lock. A mirror in the
# middle of a sync serves an index of the wrong size for a while, so a failed refresh is tried
# again; if it still fails, the caller goes on with the lists apt has, and its install fails
# only where a package is really not to be had.
apt_update() {
  local attempt root=()
  [ "$(id -u)" -eq 0 ] || root=(sudo)
  for attempt in 1 2; do
    "${root[@]}" apt-get -o DPkg::Lock::Timeout=900 update -qq && return 0
    echo "apt-get update failed (attempt $attempt of 2)" >&2
    [ "$attempt" -eq 2 ] || sleep 20
  done
  echo "Going on with the package lists apt has." >&2
}
