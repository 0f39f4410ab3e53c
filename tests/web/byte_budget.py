#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Fails when a first visit to the site would take more than 64 KiB over the
wire: every file the service worker keeps for a visit, and the service worker
itself, each asked of the site's own server as Chromium asks (brotli
accepted), its status line and headers counted with its body.

Usage: byte_budget.py SITE_FOLDER SERVER_SCRIPT
"""
import http.client
import json
import pathlib
import re
import subprocess
import sys

BUDGET = 64 * 1024


def answer_bytes(connection, path):
    connection.request('GET', path, headers={'Accept-Encoding': 'gzip, deflate, br'})
    response = connection.getresponse()
    body = response.read()
    if response.status != 200:
        sys.exit(f'FAIL: {path}: {response.status}')
    head = f'HTTP/1.1 {response.status} {response.reason}\r\n' + ''.join(
        f'{name}: {value}\r\n' for name, value in response.getheaders()) + '\r\n'
    return len(head.encode()) + len(body)


def main(site, server_script):
    worker = (pathlib.Path(site) / 'service-worker.js').read_text(encoding='utf-8')
    kept = json.loads(re.search(r'const files = (\[.*?\]);', worker, re.S).group(1))
    server = subprocess.Popen([sys.executable, server_script, site, '0'], stdout=subprocess.PIPE, text=True)
    try:
        port = int(re.search(r':(\d+)/', server.stdout.readline()).group(1))
        connection = http.client.HTTPConnection('127.0.0.1', port)
        sizes = {name: answer_bytes(connection, '/' + name.removeprefix('./'))
                 for name in [*kept, 'service-worker.js']}
    finally:
        server.kill()
    for name, size in sizes.items():
        print(f'{name}: {size} bytes')
    total = sum(sizes.values())
    print(f'a first visit: {total} bytes ({total / 1024:.1f} KiB) of a budget of {BUDGET // 1024} KiB')
    if total > BUDGET:
        sys.exit(f'FAIL: {total - BUDGET} bytes over the budget')


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
