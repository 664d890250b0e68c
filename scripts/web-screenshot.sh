#!/usr/bin/env bash
# Photographs the page in headless chromium after two clicks on Next (the frame of step 2):
# scripts/web-screenshot.sh [OUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/web-page.png}")
scripts/deps.sh
scripts/build-web.sh >/dev/null
mkdir -p "$(dirname "$out")"
OUT=$out node --input-type=module -e '
import { openPage, startBrowser } from "./web/tests/browser.mjs";
const session = await startBrowser();
try {
    const { page } = await openPage(session.browser, `${session.origin}/index.html`,
        { context: { viewport: { width: 1030, height: 712 } } });
    await page.click("#next");
    await page.click("#next");
    await page.screenshot({ path: process.env.OUT });
} finally {
    await session.close();
}'
echo "$out"
