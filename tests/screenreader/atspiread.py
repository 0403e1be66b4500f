"""What a screen reader reads of the running program over AT-SPI: a few
values of the main window, the survey's news and marks, a 走行計算 figure,
a セッティング記録 filter.
Prints one line a check and exits 1 when any fails."""
import sys
import time

import pyatspi
from gi.repository import GLib


def app():
    for _ in range(100):
        for a in pyatspi.Registry.getDesktop(0):
            if a and 'zeltan' in (a.name or '').lower():
                return a
        time.sleep(0.1)
    sys.exit('the program never reached the accessibility bus')


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child:
            yield from nodes(child)


def find(role, name, description=None):
    """The first such object, waited for up to ten seconds (a loaded machine
    draws late), or None."""
    for _ in range(50):
        try:
            for n in nodes(app()):
                if n.getRoleName() == role and n.name == name and (
                        description is None or n.description == description):
                    return n
        except GLib.GError:
            # An object went away while the window was changing under the
            # walk ("No such object path"): walk the tree again.
            pass
        time.sleep(0.2)
    return None


def press(role, name):
    for _ in range(3):
        found = find(role, name)
        if not found:
            sys.exit(f'no {role} named {name}')
        try:
            found.queryAction().doAction(0)
            return
        except GLib.GError:
            time.sleep(0.2)  # it went away under us: find it again
    sys.exit(f'could not press {role} {name}')


def has(role, name, description=None):
    return find(role, name, description) is not None


checks = []
checks.append(('a value with its name', has('label', '減速比 8.00000')))
checks.append(('the status line', has('label', '状況表示 減速比を計算表示します')))
press('push button', '8')
press('push button', '指定減速比調査')
checks.append(('the survey told as news', has(
    'notification', '状況表示 48P 指定減速比 8、最適 ピニオン25/スパー80 減速比 8.000、±2.5%以内 20組')))
checks.append(('the best cell in words', has('table cell', '8.000', '最も近い組合せ')))
checks.append(('a near cell in words', has('table cell', '7.900', '指定減速比の±2.5%以内')))
press('menu item', '走行計算')
checks.append(('走行計算 is a window', has('frame', '走行計算')))
checks.append(('a 走行計算 figure', has('label', '２次減速比 値 2.5')))
press('menu item', 'セッティング記録')
checks.append(('a セッティング記録 filter by its name', has('combo box', 'マシンで絞り込む')))
checks.append(('the chart in words', has(
    'filler', 'モーター温度とベストラップのグラフ',
    'モーター温度とベストラップ（ロールアウト別）。記録された温度やラップがありません')))

failed = [what for what, ok in checks if not ok]
for what, ok in checks:
    print(('ok     ' if ok else 'FAILED ') + what)
sys.exit(1 if failed else 0)
