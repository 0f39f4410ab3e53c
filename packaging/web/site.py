#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Lays out the game's web site, static files that any host serves as they are.

Every file that a build changes is named after its content, so a host may let
browsers keep it for a year; index.html, the web app manifest and the service
worker keep their names and are asked for afresh. Beside each text file and
the .wasm lie a .br and a .gz of it, which hosts that serve precompressed
files send as they are. _headers names the headers every answer carries (the
Content Security Policy first), in the form some static hosts read. The same
inputs always give the same bytes.

Usage: site.py PROGRAM_DIR SITE_DIR    (PROGRAM_DIR holds zapgrid.js and .wasm)
       site.py --precompress DIR       (only the .br and .gz, for another site)
       site.py --worker DIR            (only the service worker, keeping every
                                        file of another site)
"""
import gzip
import hashlib
import json
import pathlib
import re
import shutil
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent
PACKAGING = HERE.parent
# Nothing but the site's own files, no inline script or style, no frames;
# and where the browser has Trusted Types, no string reaches a script sink
# but through the page's one policy, which lets the service worker's
# address through and nothing else (start.js).
POLICY = ("default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
          "img-src 'self' data:; object-src 'none'; base-uri 'none'; "
          "require-trusted-types-for 'script'; trusted-types zapgrid")
HEADERS = {
    'Content-Security-Policy': POLICY + "; frame-ancestors 'none'",
    'X-Content-Type-Options': 'nosniff',
    'Referrer-Policy': 'no-referrer',
}
COMPRESSED = {'.html', '.js', '.wasm', '.svg', '.webmanifest', '.json', '.css'}


def versioned_name(name, source):
    digest = hashlib.sha256(source.read_bytes()).hexdigest()[:12]
    name = pathlib.PurePath(name)
    return f'{name.stem}.{digest}{name.suffix}'


def precompress(folder):
    for path in sorted(pathlib.Path(folder).iterdir()):
        if path.suffix not in COMPRESSED or not path.is_file():
            continue
        data = path.read_bytes()
        # No name and no date in the header: the same bytes every time.
        path.with_name(path.name + '.gz').write_bytes(gzip.compress(data, 9, mtime=0))
        subprocess.run(['brotli', '--quality=11', '--force', '--output=' + str(path) + '.br',
                        str(path)], check=True)


def fill(template, values):
    text = template.read_text(encoding='utf-8')
    for key, value in values.items():
        text = text.replace(f'@{key}@', str(value))
    if re.search(r'@[\w.-]+@', text):
        sys.exit(f'{template.name}: a placeholder was left unfilled')
    return text


def manifest(names):
    icons = [{'src': names[f'zapgrid-{size}.png'], 'sizes': f'{size}x{size}',
              'type': 'image/png'} for size in (192, 512)]
    icons.append({'src': names['zapgrid.svg'], 'sizes': 'any', 'type': 'image/svg+xml'})
    return json.dumps({
        'name': 'Zapgrid',
        'short_name': 'Zapgrid',
        'description': 'A reaction game: click the button under the HIT! mark.',
        'start_url': './',
        'scope': './',
        # No colours of its own: an installed game takes the page's, whose
        # theme-color follows the system's light or dark scheme.
        'display': 'standalone',
        'icons': icons,
    }, indent=2) + '\n'


def write_worker(site, precached, version):
    worker = fill(HERE / 'service-worker.js', {
        'version': version, 'files': json.dumps(precached)})
    (site / 'service-worker.js').write_text(worker, encoding='utf-8')


def keep_all(folder):
    """The same service worker for another site (the bench's bare page),
    keeping its page and every other file beside it."""
    folder = pathlib.Path(folder)
    names = sorted(path.name for path in folder.iterdir() if path.is_file() and
                   path.name not in ('index.html', 'service-worker.js', '_headers') and
                   path.suffix not in ('.br', '.gz'))
    content = b''.join((folder / name).read_bytes() for name in ['index.html', *names])
    write_worker(folder, ['./', *names], hashlib.sha256(content).hexdigest()[:12])


def build(program, site):
    program, site = pathlib.Path(program), pathlib.Path(site)
    shutil.rmtree(site, ignore_errors=True)
    site.mkdir(parents=True)
    sources = {
        'zapgrid.js': program / 'zapgrid.js',
        'zapgrid.wasm': program / 'zapgrid.wasm',
        'start.js': HERE / 'start.js',
        'page.css': HERE / 'page.css',
        'zapgrid.svg': PACKAGING / 'io.github.brevanno.zapgrid.svg',
        'zapgrid-32.png': PACKAGING / 'icons' / 'zapgrid-32.png',
    }
    for size in (192, 512):
        sources[f'zapgrid-{size}.png'] = PACKAGING / 'icons' / 'web' / f'zapgrid-{size}.png'
    names = {}
    for name, source in sources.items():
        names[name] = versioned_name(name, source)
        shutil.copyfile(source, site / names[name])

    (site / 'manifest.webmanifest').write_text(manifest(names), encoding='utf-8')
    page = fill(HERE / 'index.html', {**names, 'policy': POLICY})
    (site / 'index.html').write_text(page, encoding='utf-8')
    # What a visit needs, for the service worker to keep (the icons for an
    # installed app are the browser's to fetch when it installs); the version
    # is all of it, so a build that changes any of it replaces the whole.
    installed = {'zapgrid-192.png', 'zapgrid-512.png'}
    precached = ['./', 'manifest.webmanifest',
                 *sorted(names[name] for name in names if name not in installed)]
    version = hashlib.sha256((page + manifest(names)).encode()).hexdigest()[:12]
    write_worker(site, precached, version)
    headers = ''.join(f'  {name}: {value}\n' for name, value in HEADERS.items())
    (site / '_headers').write_text(f'/*\n{headers}', encoding='utf-8')
    precompress(site)


def main(args):
    if len(args) == 2 and args[0] == '--precompress':
        precompress(args[1])
    elif len(args) == 2 and args[0] == '--worker':
        keep_all(args[1])
    elif len(args) == 2:
        build(*args)
    else:
        sys.exit(__doc__)


if __name__ == '__main__':
    main(sys.argv[1:])
