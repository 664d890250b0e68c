#!/usr/bin/env bash
# The English catalogue covers every text: the code, the forms, the string table and the page's
# scripts, as Qt's lupdate finds them today, each with a finished translation.
# Usage: translation_test.sh SOURCE_DIR LUPDATE WORK_DIR
set -euo pipefail
source_dir=$1 lupdate=$2 work=$3
mkdir -p "$work"
ts="$work/vesk_en.ts"
cp "$source_dir/res/translations/vesk_en.ts" "$ts"
# The page marks its own texts as QML's JavaScript does (qsTranslate, QT_TRANSLATE_NOOP); a script
# lupdate cannot read would hide them, and lupdate says so only on its error output.
(cd "$source_dir" && "$lupdate" -silent -locations none core platform ui app tools res web/*.js \
    -ts "$ts") 2>"$work/lupdate.err"
status=0
if grep -q 'error' "$work/lupdate.err"; then
    echo "translation: lupdate cannot read every file:" >&2
    cat "$work/lupdate.err" >&2
    status=1
fi
if grep -q 'type="unfinished"' "$ts"; then
    echo "translation: these texts have no finished English translation:" >&2
    grep -B3 'type="unfinished"' "$ts" | grep '<source>' >&2
    status=1
fi
# The string table is data that lupdate does not read: its entries are kept by hand.
for file in "$source_dir"/res/strings/*.txt; do
    source=$(sed 's/&/\&amp;/g' "$file")
    if ! grep -A1 -F "<source>$source</source>" "$source_dir/res/translations/vesk_en.ts" |
        grep -q '<translation>.'; then
        echo "translation: the string table's \"$(cat "$file")\" has no English translation" >&2
        status=1
    fi
done
[ $status -eq 0 ] && echo "translation: every text has its English translation"
exit $status
