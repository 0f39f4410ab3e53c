#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Serves a folder as a static host that knows precompressed files does.

A request for FILE is answered with FILE.br or FILE.gz where the browser
accepts that encoding and the file lies beside it, with the Content-Encoding
and the Content-Type of FILE. Names that carry their content's hash may be
kept for a year; every other file is asked for afresh each time, and answered
with 304 Not Modified when the browser's copy is as new. Every answer carries
the headers that the folder's _headers file gives for "/*" (as some static
hosts read it): the site's Content Security Policy and the like.

For tests and benchmarks: with --reports, the policy also asks the browser
to report what it refuses to /csp-report, and each report is printed as
"refused: DIRECTIVE URI", so a test learns of every refusal from the page's
first byte on; with --hold-page SECONDS, the page itself (the folder's
index.html) is answered only after so long, as a stalled host answers.

Usage: serve_site.py [--reports] [--hold-page SECONDS] FOLDER [PORT [ADDRESS]]
(PORT 0: any free one.) Prints "Serving FOLDER on http://ADDRESS:PORT/" once
it listens.
"""
import argparse
import email.utils
import functools
import http.server
import json
import os
import re
import sys
import time

TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
    '.json': 'application/json',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.css': 'text/css; charset=utf-8',
}
VERSIONED = re.compile(r'\.[0-9a-f]{12}\.[a-z]+$')
ENCODINGS = [('br', '.br'), ('gzip', '.gz')]
REPORTS = '/csp-report'


def accepted(header):
    """The encodings an Accept-Encoding header allows, by name."""
    allowed = set()
    for part in header.split(','):
        name, _, params = part.strip().partition(';')
        quality = re.search(r'q=([0-9.]+)', params)
        if name and (not quality or float(quality.group(1)) > 0):
            allowed.add(name.strip().lower())
    return allowed


def site_headers(folder):
    """The (name, value) pairs of the "/*" block of FOLDER/_headers."""
    path = os.path.join(folder, '_headers')
    if not os.path.isfile(path):
        return []
    with open(path, encoding='utf-8') as file:
        lines = file.read().splitlines()
    headers, block = [], None
    for line in lines:
        if line and not line[0].isspace():
            block = line.strip()
        elif block == '/*' and ':' in line:
            name, _, value = line.strip().partition(':')
            headers.append((name.strip(), value.strip()))
    return headers


class Handler(http.server.SimpleHTTPRequestHandler):
    # Connections kept open, as a host's are.
    protocol_version = 'HTTP/1.1'

    def __init__(self, *args, headers, reporting, page_delay, **kwargs):
        self.site_headers = headers
        self.reporting = reporting
        self.page_delay = page_delay
        super().__init__(*args, **kwargs)

    def end_headers(self):
        for name, value in self.site_headers:
            self.send_header(name, value)
        super().end_headers()

    def do_POST(self):
        if self.path != REPORTS or not self.reporting:
            self.send_error(405)
            return
        body = self.rfile.read(int(self.headers.get('Content-Length', 0)))
        try:
            report = json.loads(body).get('csp-report', {})
        except (ValueError, AttributeError):
            report = {}
        print(f"refused: {report.get('violated-directive', '?')} {report.get('blocked-uri', '?')}",
              flush=True)
        self.send_response(204)
        self.send_header('Content-Length', '0')
        self.end_headers()

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            if not self.path.split('?')[0].endswith('/'):
                return super().send_head()
            path = os.path.join(path, 'index.html')
        if os.path.basename(path) == 'index.html':
            time.sleep(self.page_delay)
        if not os.path.isfile(path):
            self.send_error(404, 'File not found')
            return None
        ext = os.path.splitext(path)[1]
        content_type = TYPES.get(ext, 'application/octet-stream')
        encoding, served = None, path
        allowed = accepted(self.headers.get('Accept-Encoding', ''))
        for name, suffix in ENCODINGS:
            if name in allowed and os.path.isfile(path + suffix):
                encoding, served = name, path + suffix
                break
        modified = int(os.stat(path).st_mtime)
        since = self.headers.get('If-Modified-Since')
        if since and 'If-None-Match' not in self.headers:
            try:
                unchanged = email.utils.parsedate_to_datetime(since).timestamp() >= modified
            except (TypeError, ValueError):
                unchanged = False
            if unchanged:
                self.send_response(304)
                self.send_caching_headers(path)
                self.end_headers()
                return None
        body = open(served, 'rb')
        self.send_response(200)
        self.send_header('Content-Type', content_type)
        self.send_header('Content-Length', str(os.fstat(body.fileno()).st_size))
        if encoding:
            self.send_header('Content-Encoding', encoding)
        self.send_caching_headers(path)
        self.end_headers()
        return body

    def send_caching_headers(self, path):
        if os.path.isfile(path + '.gz') or os.path.isfile(path + '.br'):
            self.send_header('Vary', 'Accept-Encoding')
        self.send_header('Last-Modified', self.date_time_string(int(os.stat(path).st_mtime)))
        if VERSIONED.search(os.path.basename(path)):
            self.send_header('Cache-Control', 'public, max-age=31536000, immutable')
        else:
            self.send_header('Cache-Control', 'no-cache')

    def log_message(self, format, *args):
        pass


def main(args):
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--reports', action='store_true')
    parser.add_argument('--hold-page', type=float, default=0)
    parser.add_argument('folder')
    parser.add_argument('port', type=int, nargs='?', default=8000)
    parser.add_argument('address', nargs='?', default='127.0.0.1')
    options = parser.parse_args(args)
    headers = site_headers(options.folder)
    if options.reports:
        headers = [(name, f'{value}; report-uri {REPORTS}' if name == 'Content-Security-Policy'
                    else value) for name, value in headers]
    handler = functools.partial(Handler, directory=options.folder, headers=headers,
                                reporting=options.reports, page_delay=options.hold_page)
    with http.server.ThreadingHTTPServer((options.address, options.port), handler) as server:
        print(f'Serving {options.folder} on http://{options.address}:{server.server_address[1]}/',
              flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == '__main__':
    main(sys.argv[1:])
