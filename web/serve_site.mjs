// A static server for the site, on this machine only: `./run.sh --web` serves the page with it,
// the browser tests and the page benchmark too.
//
//   node serve_site.mjs SITE_DIR [PORT]      (PORT 0 picks a free one; default 8080)
import {readFile} from 'node:fs/promises';
import {createServer} from 'node:http';
import {extname, join, resolve, sep} from 'node:path';

const kTypes = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.png': 'image/png',
    '.svg': 'image/svg+xml',
    '.webmanifest': 'application/manifest+json',
};

// Serves `dir` on 127.0.0.1:`port`, with `headers` on every answer; resolves to its origin and a
// close().
export async function serveSite(dir, port = 0, headers = {}) {
    const root = resolve(dir);
    const server = createServer(async (req, res) => {
        try {
            const path = decodeURIComponent(new URL(req.url, 'http://localhost').pathname);
            const file = join(root, path.endsWith('/') ? `${path}index.html` : path);
            if (!file.startsWith(root + sep) || req.method !== 'GET') {
                res.writeHead(403).end();
                return;
            }
            const body = await readFile(file);
            res.writeHead(
                200,
                {...headers, 'content-type': kTypes[extname(file)] ?? 'application/octet-stream'});
            res.end(body);
        } catch {
            res.writeHead(404).end();
        }
    });
    await new Promise((done, fail) => {
        server.once('error', fail);
        server.listen(port, '127.0.0.1', done);
    });
    return {
        origin: `http://127.0.0.1:${server.address().port}`,
        close: () => {
            server.closeAllConnections();
            return new Promise((done) => server.close(done));
        },
    };
}

if (import.meta.url === `file://${process.argv[1]}`) {
    const [dir, port = '8080'] = process.argv.slice(2);
    if (!dir || !/^[0-9]+$/.test(port)) {
        console.error('usage: node serve_site.mjs SITE_DIR [PORT]');
        process.exit(2);
    }
    serveSite(dir, Number(port))
        .then(
            ({origin}) => console.log(`vesk: serving ${dir} on ${
                origin.replace('127.0.0.1', 'localhost')}/ (Ctrl+C stops)`),
            (e) => {
                console.error(`vesk: cannot serve on port ${port}: ${e.message}`);
                process.exit(1);
            },
        );
}
