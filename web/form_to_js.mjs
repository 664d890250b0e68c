// Turns a window's Designer form into a script for the page: the window's translation context,
// title and size, and its controls in form order (which is their tab order) with the properties the
// page shows. A form whose controls sit at fixed places lists them with their rectangles; a form
// laid out by layouts becomes the tree of its layouts. Texts stay in the form's language; the page
// translates them with the catalogue, except those marked as not for translation (listed in
// `notr`). A control that sets a parameter of the table of views carries its name (`param`), and
// takes its range from the table, not the form. So no word or range of a window is typed a second
// time.
//
//   node form_to_js.mjs VIEW FORM.ui OUT.js
import {readFileSync, renameSync, writeFileSync} from 'node:fs';

import {element, elements, parseXml, text} from './xml.mjs';

// The properties the page uses, by the name it knows them by.
const kStrings = {
    text: 'text',
    title: 'text',
    windowTitle: 'title',
    toolTip: 'toolTip',
    accessibleName: 'accessibleName',
    accessibleDescription: 'accessibleDescription',
    suffix: 'suffix',
};
const kNumbers = [
    'minimum', 'maximum', 'singleStep', 'value', 'decimals', 'pageStep', 'tickInterval', 'spacing'
];
const kFlags = ['readOnly', 'wordWrap', 'checked'];
const kMargins = ['leftMargin', 'topMargin', 'rightMargin', 'bottomMargin'];

function properties(owner) {
    const props = {};
    const notr = [];
    for (const p of elements(owner, 'property')) {
        const name = p.attrs.name;
        const value = elements(p)[0];
        if (!value) continue;
        const numbers = (...names) => names.map((n) => Number(text(element(value, n))));
        if (Object.hasOwn(kStrings, name) && value.name === 'string') {
            props[kStrings[name]] = text(value);
            if (value.attrs.notr === 'true') notr.push(kStrings[name]);
        } else if (kNumbers.includes(name) || kMargins.includes(name)) {
            props[name] = Number(text(value));
        } else if (kFlags.includes(name) && text(value) === 'true') {
            props[name] = true;
        } else if (name === 'param' && value.name === 'string') {
            // The parameter of the table of views that the control sets.
            props.param = text(value);
        } else if (name === 'buddy') {
            props.buddy = text(value);
        } else if (name === 'geometry' && value.name === 'rect') {
            props.rect = numbers('x', 'y', 'width', 'height');
        } else if ((name === 'minimumSize' || name === 'maximumSize') && value.name === 'size') {
            props[name] = numbers('width', 'height');
        } else if (name === 'sizePolicy' && Number(text(element(value, 'horstretch'))) > 0) {
            props.stretch = Number(text(element(value, 'horstretch')));
        } else if (name === 'alignment' && text(value).includes('AlignRight')) {
            props.alignRight = true;
        }
    }
    if (notr.length) props.notr = notr;
    // A parameter's range is the table's, whatever the form says.
    if (props.param !== undefined) {
        delete props.minimum;
        delete props.maximum;
    }
    return props;
}

function widget(w, nested) {
    const node = {cls: w.attrs.class, name: w.attrs.name, ...properties(w)};
    const items = elements(w, 'item').map((item) => properties(item).text ?? '');
    if (items.length) node.items = items;
    const layout = element(w, 'layout');
    const children = elements(w, 'widget');
    if (!nested && (layout || children.length))
        throw new Error(`${node.name}: nested widgets are not supported`);
    if (layout) node.layout = layoutNode(layout);
    if (children.length) node.children = children.map((c) => widget(c, true));
    return node;
}

function layoutNode(l) {
    const {spacing, leftMargin, topMargin, rightMargin, bottomMargin} = properties(l);
    const node = {layout: l.attrs.class, items: []};
    if (spacing !== undefined) node.spacing = spacing;
    if (leftMargin !== undefined)
        node.margins = [leftMargin, topMargin ?? 0, rightMargin ?? 0, bottomMargin ?? 0];
    for (const item of elements(l, 'item')) {
        const cell = {};
        for (const key of ['row', 'column', 'rowspan', 'colspan'])
            if (item.attrs[key] !== undefined) cell[key] = Number(item.attrs[key]);
        const content = elements(item)[0];
        if (content?.name === 'widget')
            cell.widget = widget(content, true);
        else if (content?.name === 'layout')
            cell.sublayout = layoutNode(content);
        else if (content?.name === 'spacer')
            cell.spacer = true;
        else
            throw new Error(`${l.attrs.name}: an empty layout item`);
        node.items.push(cell);
    }
    return node;
}

export function formToObject(xml) {
    const ui = parseXml(xml);
    const top = element(ui, 'widget');
    if (!top) throw new Error('no top-level widget');
    const p = properties(top);
    if (!p.rect) throw new Error('the window has no geometry');
    const cls = element(ui, 'class');
    const form = {
        context: cls ? text(cls).trim() : top.attrs.name,
        title: p.title ?? '',
        width: p.rect[2],
        height: p.rect[3],
    };
    if (p.toolTip !== undefined) form.toolTip = p.toolTip;
    const layout = element(top, 'layout');
    if (layout) {
        form.layout = layoutNode(layout);
        return form;
    }
    form.controls = elements(top, 'widget').map((w) => {
        const control = widget(w, false);
        if (!control.rect) throw new Error(`${control.name}: no geometry`);
        return control;
    });
    return form;
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
