// Writes the site's service worker from its template: the list of the site's files and a version
// that changes with any of them, so that a new build replaces what browsers keep.
//
//   node site_worker.mjs TEMPLATE OUTPUT VERSION SITE_DIR FILE...   (FILE relative to SITE_DIR)
import {createHash} from 'node:crypto';
import {readFileSync, writeFileSync} from 'node:fs';
import {join} from 'node:path';

const [template, output, version, site, ...files] = process.argv.slice(2);
if (!files.length) {
    console.error('usage: node site_worker.mjs TEMPLATE OUTPUT VERSION SITE_DIR FILE...');
    process.exit(2);
}
const names = [...new Set(files)].sort();
const hash = createHash('sha256');
for (const name of names) hash.update(`${name}\0`).update(readFileSync(join(site, name)));
const worker = readFileSync(template, 'utf8')
                   .replace('@VERSION@', `${version}-${hash.digest('hex').slice(0, 12)}`)
                   .replace("['@FILES@']", JSON.stringify(names));
writeFileSync(output, worker);
