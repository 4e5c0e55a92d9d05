#!/usr/bin/env bash
# Fails when an include runs against the folders' order: nothing includes app/, the toolbox in ui/
# and the command line include no window, and core files include no window and no toolbox.
set -u
cd "$(dirname "$0")/.."
status=0
refuse() {
    echo "$1" >&2
    status=1
}
while IFS= read -r hit; do refuse "includes app/ from outside it: $hit"; done \
    < <(git grep -n '#include "app/' -- '*.cpp' '*.h' ':!app/' ':!tests/')
while IFS= read -r hit; do refuse "includes a window or app/: $hit"; done \
    < <(git grep -nE '#include "(app/|[a-z]+/frm)' -- 'ui/*' 'cli/*')
while IFS= read -r hit; do refuse "a core file includes a window or the toolbox: $hit"; done \
    < <(git grep -nE '#include "(app/|ui/|[a-z]+/frm)' -- 'model/*' 'group/*' 'fixtures/*' 'standings/*' 'setup/*' 'reports/*' \
        ':!*/frm*')
exit $status
