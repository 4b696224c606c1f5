"""The settings dialog at 96 and 192 dots per inch: what it draws grows with it.

Each DPI runs in a prefix of this test's own (the DPI lasts in the prefix).
The chosen box's blue mark is measured in the screenshot, in the strip of
the music group that holds the three selection boxes.
"""

import os
import unittest
from pathlib import Path
from unittest import mock

import harness
from harness import ROOT, SAVER_FILE, WineSession, wait_until
from settings_file import write_settings

DIALOG = harness.SETTINGS_DIALOG
GROUP_CLASS = harness.MUSIC_GROUP_CLASS
# The dialog's client area and the strip of its music group left of the
# choices' texts (the boxes stand at 300..495 of 6795), in twips.
CLIENT_TWIPS = (7185, 3780)
BOX_STRIP = 520 / 6795


def is_mark(p):
    r, g, b = p
    return b >= 90 and b - r >= 60 and b > g


class DialogDpiTest(unittest.TestCase):
    def shown_dialog(self, s):
        """The dialog's group on the screen, once its client area has the DPI's size
        and the chosen box shows its mark: (left, top, right, bottom) and the shot."""
        folder = s.install_copy()
        write_settings(folder, 0)
        s.start(folder / SAVER_FILE, "/c")
        window = s.wait_visible(DIALOG, timeout=60)
        group = wait_until(lambda: [c for c in s.children(window.hwnd) if c.cls == GROUP_CLASS], 30)
        self.assertTrue(group)
        group = group[0]
        border = (window.width - self.client[0]) // 2
        left = window.x + border + group.x
        top = window.y + window.height - self.client[1] - border + group.y
        strip = (left, top, left + round(group.width * BOX_STRIP), top + group.height)

        def marked():
            shot = s.screenshot(f"dialog-{self.dpi}dpi")
            return shot if shot.count(is_mark, strip) > 0 else None

        shot = wait_until(marked, 30, interval=0.5)
        self.assertIsNotNone(shot, f"no mark at {self.dpi} dpi")
        return group, strip, shot

    def mark_width(self, shot, strip):
        columns = [x for x in range(strip[0], strip[2])
                   if any(is_mark(shot.pixel(x, y)) for y in range(strip[1], strip[3]))]
        return columns[-1] - columns[0] + 1

    def test_the_chosen_mark_grows_as_the_dialog_does(self):
        prefix = Path(os.environ.get("VELMORA_TEST_BIN", ROOT / "build/windows")) / "dialog-dpi-wineprefix"
        measured = {}
        with mock.patch.object(harness, "PREFIX", prefix):
            for self.dpi in (96, 192):
                self.client = tuple(round(t * self.dpi / 1440) for t in CLIENT_TWIPS)
                with WineSession(name=f"dialog-dpi{self.dpi}") as s:
                    s.set_dpi(self.dpi)
                    group, strip, shot = self.shown_dialog(s)
                    measured[self.dpi] = (group.width, self.mark_width(shot, strip))
        (group_96, mark_96), (group_192, mark_192) = measured[96], measured[192]
        self.assertEqual((group_96, group_192), (453, 906))
        growth = group_192 / group_96
        self.assertLessEqual(abs(mark_192 / mark_96 - growth) / growth, 0.2, measured)


if __name__ == "__main__":
    unittest.main()
