#!/usr/bin/env python3
"""Every include runs down the layers: programs > windows > platform > core, and
inside the core in the order of core/layers.txt. No two folders include each
other, and the core includes no Qt, libcurl or Hamlib header."""
import os, re, sys, collections

root = sys.argv[1]
core_order = [l.strip() for l in open(os.path.join(root, 'core/layers.txt')) if l.strip()]
tiers = ['core', 'platform', 'windows', 'programs']
include = re.compile(r'#include\s+([<"])([^">]+)[">]')
foreign = re.compile(r'^(Q[A-Z]\w*|Qt\w*/|curl/|hamlib/)')

def rank(folder):
    tier = folder.split('/')[0]
    if tier not in tiers: return None
    return (tiers.index(tier), core_order.index(folder) if folder in core_order else -1)

faults, edges = [], collections.defaultdict(set)
for tier in tiers:
    for base, _, names in os.walk(os.path.join(root, tier)):
        for name in names:
            if not name.endswith(('.h', '.cpp')): continue
            path = os.path.join(base, name)
            here = os.path.relpath(base, root)
            for kind, target in include.findall(open(path, errors='replace').read()):
                if kind == '<':
                    if here.startswith('core') and foreign.match(target):
                        faults.append(f'{path}: the core includes <{target}>')
                    continue
                there = os.path.dirname(target)
                if not there or there == here: continue
                edges[here].add(there)
                a, b = rank(here), rank(there)
                if a is None or b is None: continue
                if b[0] > a[0] or (a[0] == b[0] == 0 and b[1] > a[1]):
                    faults.append(f'{path}: includes "{target}" from a higher layer')
for a in edges:
    for b in edges[a]:
        if a < b and a in edges.get(b, ()):
            faults.append(f'{a} and {b} include each other')
for core in core_order:
    if not os.path.isdir(os.path.join(root, core)): faults.append(f'{core} is listed but missing')
print('\n'.join(faults) or 'layers hold')
sys.exit(1 if faults else 0)
