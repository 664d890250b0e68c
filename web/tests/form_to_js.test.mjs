// The forms and the catalogue read for the page: every text whatever its markup, a form's layouts
// as a tree, the catalogue's finished translations only, and a clear refusal of what the page could
// not use.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {formToObject} from '../form_to_js.mjs';
import {catalogueToObject} from '../ts_to_js.mjs';

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

test('a form laid out by layouts becomes the tree of its layouts', () => {
    const xml =
        `<ui version="4.0"><class>W</class><widget class="QWidget" name="W">${
            rect(0, 0, 800, 600)}<layout class="QHBoxLayout" name="h"><property name="spacing">` +
        `<number>8</number></property><property name="leftMargin"><number>4</number></property>` +
        `<item><widget class="QGroupBox" name="g"><property name="title"><string>步进</string>` +
        `</property><layout class="QGridLayout" name="grid"><item row="1" column="0" colspan="2">` +
        `<widget class="QComboBox" name="c"><item><property name="text"><string>正序</string>` +
        `</property></item><item><property name="text"><string>负序</string></property></item>` +
        `</widget></item><item row="2" column="1"><widget class="QSpinBox" name="s"><property ` +
        `name="suffix"><string notr="true">°</string></property><property name="minimum">` +
        `<number>-180</number></property></widget></item></layout></widget></item><item>` +
        `<spacer name="sp"/></item></layout></widget></ui>`;
    assert.deepEqual(formToObject(xml), {
        context: 'W',
        title: '',
        width: 800,
        height: 600,
        layout: {
            layout: 'QHBoxLayout',
            spacing: 8,
            margins: [4, 0, 0, 0],
            items: [
                {
                    widget: {
                        cls: 'QGroupBox',
                        name: 'g',
                        text: '步进',
                        layout: {
                            layout: 'QGridLayout',
                            items: [
                                {
                                    row: 1,
                                    column: 0,
                                    colspan: 2,
                                    widget: {cls: 'QComboBox', name: 'c', items: ['正序', '负序']}
                                },
                                {
                                    row: 2,
                                    column: 1,
                                    widget: {
                                        cls: 'QSpinBox',
                                        name: 's',
                                        suffix: '°',
                                        minimum: -180,
                                        notr: ['suffix']
                                    }
                                },
                            ]
                        }
                    }
                },
                {spacer: true},
            ]
        }
    });
});

// Rows: name, a spin box's properties, what the page gets of them.
const kParamBoxes = [
    [
        'a parameter\'s box: its name, not its form\'s range',
        '<property name="param" stdset="0"><string notr="true">load</string></property>' +
            '<property name="minimum"><number>1</number></property><property name="maximum">' +
            '<number>5</number></property>' +
            '<property name="singleStep"><number>2</number></property>',
        {param: 'load', singleStep: 2}
    ],
    [
        'any other box keeps its range',
        '<property name="minimum"><number>50</number></property><property name="maximum">' +
            '<number>1000</number></property>',
        {minimum: 50, maximum: 1000}
    ],
];

for (const [name, properties, want] of kParamBoxes) {
    test(`a spin box: ${name}`, () => {
        const box = `<widget class="QSpinBox" name="b">${rect(1, 2, 3, 4)}${properties}</widget>`;
        assert.deepEqual(
            formToObject(form(box)).controls,
            [{cls: 'QSpinBox', name: 'b', rect: [1, 2, 3, 4], ...want}]);
    });
}

const ts = (messages) => `<?xml version="1.0" encoding="utf-8"?><!DOCTYPE TS><TS version="2.1" ` +
    `language="en" sourcelanguage="zh_CN"><context><name>Scene</name>${messages}</context></TS>`;
const message = (source, translation) =>
    `<message><source>${source}</source>${translation}</message>`;

// Rows: name, one message of the catalogue, what the page gets of it.
const kMessages = [
    ['finished', message('周期T', '<translation>Period T</translation>'), {'周期T': 'Period T'}],
    [
        'with entities and a shortcut',
        message('播放(&amp;P)', '<translation>&amp;Play</translation>'), {'播放(&P)': '&Play'}
    ],
    ['unfinished', message('U相', '<translation type="unfinished">Phase U</translation>'), {}],
    ['vanished', message('V相', '<translation type="vanished">Phase V</translation>'), {}],
    ['empty', message('W相', '<translation></translation>'), {}],
];

for (const [name, xml, texts] of kMessages) {
    test(`a catalogue's message: ${name}`, () => {
        assert.deepEqual(catalogueToObject(ts(xml)), {language: 'en', contexts: {Scene: texts}});
    });
}

const kBadCatalogues = [
    ['no language', '<TS version="2.1"></TS>', /not a catalogue with a language/],
    ['a tag left open', '<TS language="en"><context><name>S</name>', /<context> is not closed/],
    ['tags crossed', '<TS language="en"><a><b></a></b></TS>', /line 1: unexpected <\/a>/],
];

for (const [name, xml, error] of kBadCatalogues) {
    test(`refused catalogue: ${name}`, () => assert.throws(() => catalogueToObject(xml), error));
}
