"""The settings dialog with the keyboard alone, end to end under Wine: every
action reached with Tab, Shift+Tab, the arrow keys, Space, Enter and Escape
(xdotool keys, no mouse click)."""

import time
import unittest

from harness import SAVER_FILE, SETTINGS_FILE, WineSession, wait_until
from settings_file import settings_bytes, write_settings
from test_settings_dialog import DIALOG, FILE_DIALOG, LABEL, Dialog


def keys(d, *names):
    """Presses keys in the dialog. Without a window manager the keyboard goes
    to the window under the pointer: it rests on an empty spot of the dialog."""
    d.s.xdotool("mousemove", *map(str, d.at(240, 242)))
    for name in names:
        d.s.xdotool("key", name)
        time.sleep(0.3)


class DialogKeyboardTest(unittest.TestCase):
    def test_choose_set_track_save_open_file_chooser_and_escape(self):
        with WineSession(name="settings-dialog-keys") as s:
            folder = s.install_copy()
            scr = folder / SAVER_FILE
            written = write_settings(folder, 0, 0)

            # The focus starts on 設定; back past the disabled "..." and track
            # box to the choices, on the chosen 無し, framed.
            d = Dialog(s, s.start(scr, "/c"))
            before = d.shot("keys-loaded")
            keys(d, "shift+Tab")
            framed = d.shot("keys-choices-focused")
            x, y, w, h = LABEL[0]
            frame_row = d.box((x - 1, y - 1, w + 2, 1), True)
            self.assertGreater(framed.diff_count(before, 24, frame_row), 5)
            self.assertEqual(d.filled_boxes(framed), [0])

            # Up: 音楽CD above it is chosen; Tab: the track box, now enabled;
            # Enter saves from there.
            keys(d, "Up")
            self.assertEqual(d.filled_boxes(d.shot_showing("keys-cd", [1])), [1])
            keys(d, "Tab", "1", "2")
            keys(d, "Return")
            self.assertEqual(s.wait_exit(d.proc, timeout=30), 0)
            self.assertEqual((folder / SETTINGS_FILE).read_bytes(), settings_bytes(b"1", b"12"))

            # MP3/WAV with Down, then Tab to "..." and Space opens the file chooser.
            written = write_settings(folder, 0, 0)
            d = Dialog(s, s.start(scr, "/c"))
            keys(d, "shift+Tab", "Down")
            self.assertEqual(d.filled_boxes(d.shot_showing("keys-file", [2])), [2])
            keys(d, "Tab", "space")
            self.assertTrue(wait_until(lambda: FILE_DIALOG in s.probe("foreground"), 30))
            keys(d, "Escape")  # the chooser's own: back to the dialog
            self.assertTrue(wait_until(lambda: DIALOG in s.probe("foreground"), 30))
            # Escape, wherever the focus moved, cancels: the file stays as it was.
            keys(d, "Tab", "Tab", "Escape")
            self.assertEqual(s.wait_exit(d.proc, timeout=30), 0)
            self.assertEqual((folder / SETTINGS_FILE).read_bytes(), written)


if __name__ == "__main__":
    unittest.main()
