// The window's form read for the page: every text whatever its markup, and a clear refusal of a
// form the page could not lay out.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {formToObject} from '../form_to_js.mjs';

const rect = (x, y, w, h) =>
    `<property name="geometry"><rect><x>${x}</x><y>${y}</y><width>${w}</width>` +
    `<height>${h}</height></rect></property>`;
const form = (children) => `<?xml version="1.0"?><ui version="4.0"><widget class="QDialog" ` +
    `name="d">${rect(0, 0, 300, 200)}<property name="windowTitle"><string>标题</string>` +
    `</property>${children}</widget><resources/></ui>`;
const label = (text) => `<widget class="QLabel" name="l">${rect(1, 2, 3, 4)}` +
    `<property name="text">${text}</property></widget>`;

const kTexts = [
    {name: 'plain', xml: '<string>开始</string>', text: '开始'},
    {
        name: 'not for translation',
        xml: '<string notr="true">Fux=Fp*cos(ωt)*cosα</string>',
        text: 'Fux=Fp*cos(ωt)*cosα',
        notr: ['text']
    },
    {
        name: 'entities',
        xml: '<string>a&amp;b &lt;&#x4e2d;&#25991;&gt;</string>',
        text: 'a&b <中文>'
    },
    {name: 'empty, not for translation', xml: '<string notr="true"/>', text: '', notr: ['text']},
];

for (const c of kTexts) {
    test(`a label's text: ${c.name}`, () => {
        const parsed = formToObject(form(label(c.xml)));
        const want = {cls: 'QLabel', name: 'l', rect: [1, 2, 3, 4], text: c.text};
        if (c.notr) want.notr = c.notr;
        assert.deepEqual(parsed.controls, [want]);
        assert.deepEqual(
            [parsed.context, parsed.title, parsed.width, parsed.height], ['d', '标题', 300, 200]);
    });
}

const kRefused = [
    {name: 'no widget', xml: '<ui version="4.0"></ui>', error: /no top-level widget/},
    {
        name: 'a control without geometry',
        xml: form('<widget class="QLabel" name="l"></widget>'),
        error: /l: no geometry/
    },
    {
        name: 'an unknown entity',
        xml: form(label('<string>&nbsp;</string>')),
        error: /unknown entity &nbsp;/
    },
];

for (const c of kRefused) {
    test(`refused: ${c.name}`, () => assert.throws(() => formToObject(c.xml), c.error));
}
