#!/usr/bin/env python3
"""Replays the random-input run's games and records everything the driver says after each command:
its answer, the events, every state field, the window, the focus, the timers and every element,
and a digest of the frame now and then. Two builds that play alike give identical transcripts.
   transcript.py DRIVER OUT [GAMES] [SEED...]"""
import hashlib, os, shutil, subprocess, sys, tempfile
sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', '..', 'tests', 'robustness'))
from random_driver import ARRAYS, commands, exchange  # noqa: E402  the random games themselves

SINGLES = ['Floater', 'Helper', 'SelFloat', 'Hist', 'Spirom', 'RestoreHint', 'First', 'Hellf', 'Paper',
           'Label1', 'Label3', 'Cent', 'HintL', 'ScoreB', 'spot', 'Label5', 'Label10', 'Picture2',
           'Label8', 'About', 'Label6', 'Regest', 'VerLab', 'Picture3', 'Line1', 'Line2', 'Label9',
           'Label2', 'Probs', 'Label4', 'Score', 'Picture7', 'Label18', 'Label7', 'Label12', 'Label13',
           'BackColorSet', 'OKBut', 'Label19', 'Hell', 'MMControl1', 'Label11', 'HelpNote', 'HelpNoteText']
PROBES = ['events', 'get Calc', 'get Focus'] + [f'get {t}' for t in
                                                 ('FirstUp', 'LastUp', 'KlikOff', 'TileBoy', 'NoteOff')] + \
         [f'get {n}' for n in SINGLES] + [f'get {n}({i})' for n, c in ARRAYS.items() for i in range(c)]


def record(driver, seed, script, out):
    work = tempfile.mkdtemp(prefix='quorrel-transcript-')
    build = os.path.dirname(os.path.abspath(driver))
    data, shot = os.path.join(work, 'data'), os.path.join(work, 'shot.png')
    os.mkdir(data)
    # The untranslated texts whatever the caller's locale (older drivers ignore it).
    proc = subprocess.Popen([driver, '--seed', str(seed), '--data-folder', data], text=True,
                            env={**os.environ, 'LC_ALL': 'C'},
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    fields = None

    def ask(command):
        return [line.replace(work, '<work>').replace(build, '<build>') for line in exchange(proc, command)]
    try:
        for n, command in enumerate(script + ['close']):
            out.write(f'> {command}\n' + ''.join(l + '\n' for l in ask(command)))
            if fields is None:
                fields = [f for f in STATE_FIELDS if ask('state ' + f)[-1] == 'ok']
            for probe in PROBES + ['state ' + f for f in fields]:
                out.write(''.join(l + '\n' for l in ask(probe)[:-1]))
            if n % 25 == 0 and ask('shot ' + shot)[-1] == 'ok':
                out.write('frame ' + hashlib.sha1(open(shot, 'rb').read()).hexdigest() + '\n')
    finally:
        proc.kill(), proc.wait(), shutil.rmtree(work, ignore_errors=True)


STATE_FIELDS = open(os.path.join(os.path.dirname(__file__), 'state_fields.txt')).read().split()


def main():
    driver, path = sys.argv[1], sys.argv[2]
    games = int(sys.argv[3]) if len(sys.argv) > 3 else 4
    seeds = [int(s) for s in sys.argv[4:]] or [1, 2, 3, 4]
    with open(path, 'w') as out:
        for seed in [s * 1000 + g for s in seeds for g in range(games)]:
            out.write(f'# game {seed}\n')
            record(driver, seed, commands(seed, 500), out)
    return 0


if __name__ == '__main__':
    sys.exit(main())
