#!/usr/bin/env bash
# Fails when a visible text is not in a language's catalogue: a text with Czech letters that no
# translation call encloses, or a catalogue that lupdate, run over the sources now, finds with a
# text untranslated (new) or translated for a text the sources no longer have (obsolete).
# Usage: catalogue.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source_dir=$2
here=$(cd "$(dirname "$0")" && pwd)
cd "$source_dir"

# Headers first, so that lupdate knows each class before its definitions.
sources="$(find rules platform windows app -name '*.h' | sort) $(find rules platform windows app -name '*.cpp' | sort)"
status=0
# shellcheck disable=SC2086
if ! awk -v ALLOWED="$here/untranslated.txt" -f "$here/unwrapped_texts.awk" $sources; then
    echo "These texts are shown but not marked for translation (tr, QT_TRANSLATE_NOOP)." >&2
    status=1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for catalogue in translations/vexa99_*.ts; do
    copy="$scratch/$(basename "$catalogue")"
    cp "$catalogue" "$copy"
    # The source language's catalogue holds the plural forms of its texts with a count alone.
    only=()
    if [ "$(basename "$catalogue")" = vexa99_cs.ts ]; then only=(-pluralonly); fi
    # shellcheck disable=SC2086
    "$lupdate" -silent -I "$source_dir" -locations none -no-ui-lines "${only[@]}" $sources \
        -ts "$copy" >/dev/null
    if grep -n -B2 -E 'type="(unfinished|vanished|obsolete)"' "$copy" >&2; then
        echo "$catalogue: texts above are untranslated or no longer in the sources;" \
             "run 'cmake --build build --target update_translations' and translate them." >&2
        status=1
    fi
done
exit $status
