#!/usr/bin/env python3
"""Random input through the driver, from fixed seeds: every command must be answered `ok` or an
error it may give, nothing may reach stderr, and at `close` the game must unload once and leave a
settings file holding the options in force. A failure is shrunk and printed as a script.
   random_driver.py DRIVER [COMMANDS_PER_SEED] [SEED...]"""
import os, random, re, shutil, subprocess, sys, tempfile, time

ARRAYS = {'Dig': 4, 'Digit': 4, 'Op': 8, 'But': 25, 'Target': 10, 'Diff': 3, 'Snd': 3,
          'Rew': 2, 'LMOrder': 3, 'Cap': 3, 'CalBut': 15, 'Level': 7}


def element(rng, typed, near_end):
    if rng.random() < 0.12:
        return rng.choice(['OKBut', 'BackColorSet', 'Cent', 'Form'])
    name = rng.choice(list(ARRAYS))
    i = rng.randrange(ARRAYS[name])
    if name == 'But':  # no But(18), But(19); the Quit word only at the end
        i = 20 if i in (18, 19) else 1 if i == 0 and not near_end else i
    if name == 'CalBut' and i <= 9:  # long typed values would make every figure a long one
        typed[0] += 1
        i, typed[0] = (11, 0) if typed[0] > 2 else (i, typed[0])
    return f'{name}({i})'


def commands(seed, count):
    rng, typed, out = random.Random(seed), [0], ['start', 'wait 1800']
    normal = [lambda: rng.randrange(0, 4)] + [lambda: rng.randrange(100, 1700)] * 3
    huge = lambda: rng.choice([8000, 20000, 20001, 100000])
    while len(out) < count:
        r, el = rng.random(), element(rng, typed, len(out) > count - 40)
        at = f'clickat {rng.randrange(-20, 1300)} {rng.randrange(-20, 1000)}'
        if r < 0.04:  # the way to a panel or into the maker, and a value typed there
            word = rng.choice([6, 7, 8, 16])
            out += [f'click But(1)', f'click But({word})'] + (['click But(22)'] if r < 0.005 else []) \
                if r < 0.02 else \
                ['click Form', f'click But({rng.randrange(11, 14)})', f'click CalBut({rng.randrange(10)})',
                 f'click CalBut({rng.randrange(10)})', 'click CalBut(11)']
        elif r < 0.52:
            out.append(('click ' if r < 0.45 else 'dblclick ') + el)
        elif r < 0.70:
            out.append(at if r < 0.60 else 'queue ' + rng.choice(['click ' + el, 'dblclick ' + el, at]))
        elif r < 0.82:
            out.append(f'wait {rng.choice([0, 1, 16, 100, 300, 1000, 3000])}')
        elif r < 0.89:
            # A whole window past the surface's bound is slow to fill in a debug build: rarely
            # both sides, more often one.
            w, h = rng.choice(normal)(), rng.choice(normal)()
            w, h = (huge(), huge()) if rng.random() < 0.007 else (huge(), h) if rng.random() < 0.15 else (w, h)
            out.append(f'resize {w} {h}')
        elif r < 0.96:
            out.append(rng.choice(['maximize', 'minimize', 'restore', 'events']))
        else:
            out.append(rng.choice(['zoom in', 'zoom in', 'zoom out', 'zoom fit', 'zoom reset', 'key Tab',
                                   'key Return', 'key ctrl+S' if r > 0.995 else 'key Escape']))
    return out


# The renderer draws the screen a player sees, text and all, in the sizes and scales the game
# reaches: a screenshot after one in SHOT_ONE_IN commands that change them (a shot costs about 60
# commands). Added here from an rng of their own: commands() gives what other scripts replay.
RESIZING, SHOT_ONE_IN = ('resize', 'maximize', 'restore', 'zoom'), 20


def with_shots(script, seed, path):
    rng = random.Random(f'shots {seed}')
    return sum(([c, 'shot ' + path] if c.startswith(RESIZING) and rng.randrange(SHOT_ONE_IN) == 0
                else [c] for c in script), [])


def allowed(command, answer):
    if answer in ('ok', 'error: closed'):  # the Quit word may have closed the game
        return True
    if command.startswith('shot'):  # a minimised window, or one without an inner area, has no frame
        return answer.startswith('error: cannot write')
    if command.startswith('resize'):
        return answer == 'error: usage: resize W H' and not all(0 < int(w) <= 20000 for w in command.split()[1:])
    return answer == 'error: not shown' and 'clickat' not in command


def exchange(proc, command):
    # One command to a running driver; the lines it answers, `ok` or the error last.
    proc.stdin.write(command + '\n'), proc.stdin.flush()
    lines = []
    while not (lines and (lines[-1] == 'ok' or lines[-1].startswith('error:'))):
        line = proc.stdout.readline()
        if not line:
            raise RuntimeError(f'driver ended at: {command}')
        lines.append(line.rstrip('\n'))
    return lines


def run(driver, seed, script):
    work = tempfile.mkdtemp(prefix='quorrel-random-')
    data, err = os.path.join(work, 'data'), open(os.path.join(work, 'stderr'), 'w+')
    os.mkdir(data)
    proc = subprocess.Popen([driver, '--seed', str(seed), '--data-folder', data], text=True,
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=err)

    def ask(command):
        lines = exchange(proc, command)
        return lines[:-1], lines[-1]
    try:
        unloads = 0
        for command in with_shots(script, seed, os.path.join(work, 'shot.png')):
            lines, answer = ask(command)
            if not allowed(command, answer):
                return f'answer: {command} -> {answer}'
            unloads += lines.count('unload')
        options = sum((ask('state ' + f)[0][0].split()[1:] for f in
                       ('GiveReward', 'TargetIndex', 'SoundLevel', 'OperatorSetOn')), [])
        options.append(ask('get Calc')[0][0].split('state=')[1].split()[0])
        if ask('get Loop')[0] != ['Loop depth=0 depth_max=1']:  # no handler ran inside another
            return f'loop: {ask("get Loop")[0]}'
        if ask('close')[0] != ['closed']:
            return 'close: not closed'
        unloads += ask('events')[0].count('unload')
        proc.stdin.close(), proc.wait(60), err.seek(0)
        folder = os.path.join(data, 'Brindlecove Software')
        said = err.read().strip()
        if said or proc.returncode != 0 or unloads != 1:
            return f'end: exit {proc.returncode}, {unloads} unloads, stderr: {said[:2000]}'
        kept = set(os.listdir(folder)) - {'Quorrel-learner.txt', 'Quorrel-rewards.txt'}
        if kept != {'Quorrel.dat'}:
            return f'settings: folder holds {os.listdir(folder)}'
        record = os.path.join(folder, 'Quorrel-learner.txt')
        for line in open(record, newline='').read().split('\r\n')[:-1] if os.path.exists(record) else []:
            if not re.fullmatch(r'[-0-9]+ [:0-9]+( \d+){5} [1-5] (solved|wrong|left) [0-3] \d+ -?\d+\.\d\d', line):
                return f'learner record: {line!r}'
        saved = [str(int(float(v))) for v in open(os.path.join(folder, 'Quorrel.dat')).read().split()[:7]]
        return None if saved == options else f'settings: file {saved}, game {options}'
    except (RuntimeError, OSError) as e:
        proc.kill(), proc.wait()
        return f'crash: {e}'
    finally:
        err.close(), shutil.rmtree(work, ignore_errors=True)


def shrink(driver, seed, script, failure, budget_s=120):
    # Delta debugging: drops chunks of commands while the same rule stays broken.
    kind = lambda f: f.split(':')[0] + (f.split('->')[-1] if '->' in f else '')
    deadline, chunks = time.time() + budget_s, 2
    while chunks <= len(script) and time.time() < deadline:
        size = max(len(script) // chunks, 1)
        for start in range(0, len(script), size):
            trial = script[:start] + script[start + size:]
            result = run(driver, seed, trial)
            if result and kind(result) == kind(failure):
                script, chunks = trial, max(chunks - 1, 2)
                break
        else:
            chunks *= 2
    return script


def main():
    driver, count = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 5000
    seeds, total, start = [int(s) for s in sys.argv[3:]] or [1, 2, 3, 4], 0, time.time()
    # Games of 500 commands: the Quit word at the end of each, and a check of its close.
    for seed in [s * 1000 + game for s in seeds for game in range(max(count // 500, 1))]:
        script = commands(seed, 500)
        failure = run(driver, seed, script)
        total += len(script)
        if failure:
            print(f'seed {seed}: {failure}; shrinking...', flush=True)
            small = shrink(driver, seed, script, failure)
            shots = with_shots(small, seed, '/tmp/quorrel-shot.png')
            print(f'reproduction ({run(driver, seed, small)}):\nprintf \'' + '\\n'.join(shots) +
                  f"\\n' | {driver} --seed {seed}")
            return 1
    spent = time.time() - start
    print(f'random input: {total} commands in {len(seeds) * max(count // 500, 1)} games from seeds {seeds}, '
          f'{spent:.1f} s, {total / spent:.0f} commands/s')
    return 0


if __name__ == '__main__':
    sys.exit(main())
