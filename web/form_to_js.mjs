// Turns a window's Designer form into a script for the page: the window's title and size, and
// each control in form order (which is its tab order) with its class, object name, rectangle in
// pixels, text, and read-only and right-aligned flags. The page lays the window out from it, so no
// word of the window is typed a second time.
//
//   node form_to_js.mjs VIEW FORM.ui OUT.js
import {readFileSync, renameSync, writeFileSync} from 'node:fs';

const entities = {
    amp: '&',
    lt: '<',
    gt: '>',
    quot: '"',
    apos: '\''
};

function decode(text) {
    return text.replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, (whole, name) => {
        if (name[0] === '#') {
            const hex = name[1] === 'x' || name[1] === 'X';
            return String.fromCodePoint(parseInt(name.slice(hex ? 2 : 1), hex ? 16 : 10));
        }
        if (!(name in entities)) throw new Error(`unknown entity ${whole}`);
        return entities[name];
    });
}

// The properties written directly inside `body`, not those of widgets nested in it.
function properties(body) {
    const props = {};
    const own = body.replace(/<widget\b[\s\S]*<\/widget>/, '');
    for (const m of own.matchAll(/<property name="(\w+)"[^>]*>([\s\S]*?)<\/property>/g)) {
        const [, name, value] = m;
        const rect = value.match(
            /<rect>\s*<x>(-?\d+)<\/x>\s*<y>(-?\d+)<\/y>\s*<width>(\d+)<\/width>\s*<height>(\d+)<\/height>\s*<\/rect>/);
        const string = value.match(/<string(?:\s[^>]*[^/])?>([\s\S]*?)<\/string>/);
        const bool = value.match(/<bool>(true|false)<\/bool>/);
        const set = value.match(/<set>([^<]*)<\/set>/);
        if (rect)
            props[name] = rect.slice(1, 5).map(Number);
        else if (string)
            props[name] = decode(string[1]);
        else if (/<string(\s[^>]*)?\/>/.test(value))
            props[name] = '';
        else if (bool)
            props[name] = bool[1] === 'true';
        else if (set)
            props[name] = set[1];
    }
    return props;
}

export function formToObject(xml) {
    const open = xml.match(/<widget class="\w+" name="\w+">/);
    if (!open) throw new Error('no top-level widget');
    const body = xml.slice(open.index + open[0].length, xml.lastIndexOf('</widget>'));
    const top = properties(body);
    if (!top.geometry) throw new Error('the window has no geometry');
    const controls = [];
    // The window's controls are its direct children; none of them holds widgets of its own.
    for (const m of body.matchAll(/<widget class="(\w+)" name="(\w+)">([\s\S]*?)<\/widget>/g)) {
        const [, cls, name, body] = m;
        if (body.includes('<widget')) throw new Error(`${name}: nested widgets are not supported`);
        const p = properties(body);
        if (!p.geometry) throw new Error(`${name}: no geometry`);
        const control = {cls, name, rect: p.geometry};
        const text = p.text ?? p.title;
        if (text !== undefined) control.text = text;
        if (p.readOnly) control.readOnly = true;
        if (p.alignment?.includes('AlignRight')) control.alignRight = true;
        controls.push(control);
    }
    return {
        title: top.windowTitle ?? '',
        width: top.geometry[2],
        height: top.geometry[3],
        controls
    };
}

function main(argv) {
    if (argv.length !== 3) {
        console.error('usage: node form_to_js.mjs VIEW FORM.ui OUT.js');
        return 2;
    }
    const [view, input, output] = argv;
    try {
        const form = formToObject(readFileSync(input, 'utf8'));
        const script = `// Generated from ${input.split('/').pop()}; do not edit.\n` +
            `(window.veskForms = window.veskForms || {})[${JSON.stringify(view)}] = ` +
            `${JSON.stringify(form)};\n`;
        // Written whole or not at all.
        writeFileSync(`${output}.tmp`, script);
        renameSync(`${output}.tmp`, output);
    } catch (e) {
        console.error(`form_to_js: ${input}: ${e.message}`);
        return 1;
    }
    return 0;
}

if (import.meta.url === `file://${process.argv[1]}`) process.exitCode = main(process.argv.slice(2));
