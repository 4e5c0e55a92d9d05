#!/usr/bin/env bash
# Brings translations/*.ts up to date with the sources' texts (new ones arrive "unfinished" for the
# translator); tools/check-translations.py runs lupdate the same way.
set -eu
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
for ts in translations/*.ts; do
    language=${ts##*_}
    "$lupdate" -silent -I . -locations none -no-obsolete -target-language "${language%.ts}" gui core app -ts "$ts"
done
