// Reads the XML of Designer forms and Linguist catalogues for the build's generators: elements with
// their attributes, children and text. The declaration, the doctype and comments are passed over;
// anything malformed is refused with the line it is on.
const kEntities = {
    amp: '&',
    lt: '<',
    gt: '>',
    quot: '"',
    apos: '\''
};

export function decode(text) {
    return text.replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, (whole, name) => {
        if (name[0] === '#') {
            const hex = name[1] === 'x' || name[1] === 'X';
            return String.fromCodePoint(parseInt(name.slice(hex ? 2 : 1), hex ? 16 : 10));
        }
        if (!Object.hasOwn(kEntities, name)) throw new Error(`unknown entity ${whole}`);
        return kEntities[name];
    });
}

// The document's root element: {name, attrs, children}, where a child is an element or a string.
export function parseXml(xml) {
    const token =
        /<!--[\s\S]*?-->|<\?[\s\S]*?\?>|<!DOCTYPE[^>]*>|<!\[CDATA\[([\s\S]*?)\]\]>|<(\/?)([\w:.-]+)((?:\s+[\w:.-]+\s*=\s*(?:"[^"]*"|'[^']*'))*)\s*(\/?)>|<|[^<]+/g;
    const top = {name: '', attrs: {}, children: []};
    const open = [top];
    const lineAt = (index) => xml.slice(0, index).split('\n').length;
    for (const m of xml.matchAll(token)) {
        const [whole, cdata, closing, name, attrs, selfClosing] = m;
        const parent = open[open.length - 1];
        if (cdata !== undefined) {
            parent.children.push(cdata);
        } else if (name !== undefined) {
            if (closing) {
                if (open.length === 1 || parent.name !== name)
                    throw new Error(`line ${lineAt(m.index)}: unexpected </${name}>`);
                open.pop();
                continue;
            }
            const element = {name, attrs: {}, children: []};
            for (const a of attrs.matchAll(/([\w:.-]+)\s*=\s*(?:"([^"]*)"|'([^']*)')/g))
                element.attrs[a[1]] = decode(a[2] ?? a[3]);
            parent.children.push(element);
            if (!selfClosing) open.push(element);
        } else if (whole === '<') {
            throw new Error(`line ${lineAt(m.index)}: malformed tag`);
        } else if (whole[0] !== '<') {
            parent.children.push(decode(whole));
        }
    }
    if (open.length > 1) throw new Error(`<${open[open.length - 1].name}> is not closed`);
    const roots = top.children.filter((c) => typeof c !== 'string');
    if (roots.length !== 1) throw new Error('not one root element');
    return roots[0];
}

export const elements = (element, name) => element.children.filter(
    (c) => typeof c !== 'string' && (name === undefined || c.name === name));
export const element = (parent, name) => elements(parent, name)[0];
export const text = (element) =>
    element.children.map((c) => (typeof c === 'string' ? c : text(c))).join('');
