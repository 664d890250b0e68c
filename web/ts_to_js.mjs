// Turns a Qt Linguist catalogue (the desktop's res/translations/vesk_<lang>.ts) into a script for
// the page: its finished translations by context and source text, under the catalogue's language.
// The page looks up its forms' texts, its own and those the core draws in it, as the desktop does.
//
//   node ts_to_js.mjs CATALOGUE.ts OUT.js
import {readFileSync, renameSync, writeFileSync} from 'node:fs';

import {element, elements, parseXml, text} from './xml.mjs';

export function catalogueToObject(xml) {
    const ts = parseXml(xml);
    const language = ts.attrs.language?.split('_')[0];
    if (ts.name !== 'TS' || !/^[a-z]{2,3}$/.test(language ?? ''))
        throw new Error('not a catalogue with a language');
    const contexts = {};
    for (const context of elements(ts, 'context')) {
        const name = text(element(context, 'name'));
        const messages = (contexts[name] ??= {});
        for (const message of elements(context, 'message')) {
            const translation = element(message, 'translation');
            // Unfinished, vanished or obsolete: the page shows the source, as Qt does.
            if (!translation || translation.attrs.type || element(translation, 'numerusform'))
                continue;
            const source = text(element(message, 'source'));
            if (text(translation) !== '') messages[source] = text(translation);
        }
    }
    return {language, contexts};
}

function main(argv) {
    if (argv.length !== 2) {
        console.error('usage: node ts_to_js.mjs CATALOGUE.ts OUT.js');
        return 2;
    }
    const [input, output] = argv;
    try {
        const {language, contexts} = catalogueToObject(readFileSync(input, 'utf8'));
        const script = `// Generated from ${input.split('/').pop()}; do not edit.\n` +
            `(window.veskTranslations = window.veskTranslations || {})[${
                           JSON.stringify(language)}] = ${JSON.stringify(contexts)};\n`;
        writeFileSync(`${output}.tmp`, script);
        renameSync(`${output}.tmp`, output);
    } catch (e) {
        console.error(`ts_to_js: ${input}: ${e.message}`);
        return 1;
    }
    return 0;
}

if (import.meta.url === `file://${process.argv[1]}`) process.exitCode = main(process.argv.slice(2));
