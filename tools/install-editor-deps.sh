#!/usr/bin/env bash
# Installs what the editor-support tests and `make vscode-extension` need
# when it is missing: a full vim (with +syntax), node and npm (Debian's
# nodejs and npm), and the npm packages pinned in
# editors/vscode/package-lock.json (vscode-textmate, vscode-oniguruma,
# @vscode/vsce) into editors/vscode/node_modules. Quiet and quick when all is
# there.
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
vim --version 2>/dev/null | grep '+syntax' >/dev/null || need+=(vim)
command -v node >/dev/null 2>&1 || need+=(nodejs)
command -v npm >/dev/null 2>&1 || need+=(npm)

if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}" >&2
  if [ "$(id -u)" -eq 0 ]; then
    sudo=()
  elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
  else
    echo "please install: ${need[*]}" >&2
    exit 1
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${need[@]}" >/dev/null
fi

# npm records what it installed in node_modules/.package-lock.json; install
# again whenever the committed lock file is newer.
extension=editors/vscode
if [ ! -f "$extension/node_modules/.package-lock.json" ] ||
   [ "$extension/package-lock.json" -nt "$extension/node_modules/.package-lock.json" ]; then
  echo "installing the npm packages of $extension" >&2
  (cd "$extension" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
fi
