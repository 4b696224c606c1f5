"""Velmora.scr's settings dialog (/c), end to end under Wine.

Each session works on its own copy of the shipped programs, so the settings
file that a test writes stays with it. The screen has 96 dots per inch: the
dialog's client area is 479 x 252 pixels and the music group lies at
(12, 16) in it.
"""

import re
import subprocess
import time
import unittest

import harness
from harness import (RENDERER_TITLE, SAVER_FILE, SETTINGS_DIALOG, SETTINGS_FILE, WineSession,
                     wait_until)
from settings_file import settings_bytes, write_settings

DIALOG = SETTINGS_DIALOG
FILE_DIALOG = "ﾌｧｲﾙを開く"
CLIENT_W, CLIENT_H = 479, 252
GROUP = (12, 16)  # the music group's place in the client area
WM_SYSCOMMAND, SC_CLOSE = 0x0112, 0xF060
WM_CLOSE = 0x0010

# Places in the group's client area, pixels: the selection boxes, the texts
# beside them, the track box, the file button and the file path's box.
BOX = {1: (20, 56), 0: (20, 76), 2: (20, 96)}
LABEL = {1: (36, 56, 43, 13), 0: (36, 76, 23, 13), 2: (36, 96, 60, 13)}
TRACK_BOX = (92, 52)
FILE_BUTTON = (36, 116, 29, 21)
FILE_PATH = (68, 116, 357, 29)
# Places in the window's client area.
SAVE = (320, 200, 73, 25)
CANCEL = (396, 200, 69, 25)
OTHER_WORKS = (192, 200, 125, 25)
CREDIT = (12, 196, 165, 13)


def near(colour, expected, tolerance=3):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


def type_text(s, text):
    """Types any text; xdotool reads it in a UTF-8 locale of the host."""
    env = dict(s.env, LC_ALL="C.UTF-8", LANG="C.UTF-8")
    subprocess.run(["xdotool", "type", "--delay", "50", text], env=env, check=True, timeout=60)


def type_into(s, window, text):
    """Types text into the focused box of a window and returns once the box
    holds it whole. xdotool types a character missing from the keyboard map by
    mapping it to a key for a moment, which a busy machine may lose or read as
    the key's own: so the text goes in a piece at a time (a run of ASCII, or one
    other character), each piece again until the box holds the text so far,
    what came instead of it taken back."""
    typed, box = "", None
    for piece in re.findall(r"[ -~]+|[^ -~]", text):
        for _ in range(5):
            type_text(s, piece)
            held = wait_until(lambda: next((c for c in s.children(window) if c.title == typed + piece
                                            and box in (None, c.hwnd)), None), 5)
            if held:
                box = held.hwnd
                break
            if box is None:  # the first piece: nothing to keep
                s.xdotool("key", "Home", "shift+End")
                continue
            now = next((c.title for c in s.children(window) if c.hwnd == box), typed)
            if len(now) > len(typed):
                s.xdotool("key", *["BackSpace"] * (len(now) - len(typed)))
        else:
            raise AssertionError(f"{text!r} did not go in whole: {typed!r} did")
        typed += piece


class Dialog:
    """One shown dialog: where its client area is, and clicks into it."""

    def __init__(self, session, proc):
        self.s, self.proc = session, proc
        self.window = session.wait_visible(DIALOG, timeout=60)
        border = (self.window.width - CLIENT_W) // 2
        self.left = self.window.x + border
        self.top = self.window.y + self.window.height - CLIENT_H - border
        time.sleep(1.0)  # the first paint of every control

    def at(self, x, y, in_group=False):
        return (self.left + x + (GROUP[0] if in_group else 0),
                self.top + y + (GROUP[1] if in_group else 0))

    def box(self, rect, in_group=False):
        x, y = self.at(rect[0], rect[1], in_group)
        return (x, y, x + rect[2], y + rect[3])

    def click(self, x, y, in_group=False, button="1"):
        sx, sy = self.at(x, y, in_group)
        self.s.xdotool("mousemove", str(sx), str(sy), "click", button)
        time.sleep(0.4)

    def click_centre(self, rect, in_group=False):
        self.click(rect[0] + rect[2] // 2, rect[1] + rect[3] // 2, in_group)

    def shot(self, name):
        # Park the pointer away from the dialog so no hover shows.
        self.s.xdotool("mousemove", "5", "5")
        time.sleep(0.5)
        return self.s.screenshot(name)

    def shot_when(self, name, predicate, timeout=10.0):
        """Screenshots until predicate(shot) holds (a busy machine paints
        late); returns the last shot."""
        deadline = time.monotonic() + timeout
        while True:
            img = self.shot(name)
            if predicate(img) or time.monotonic() > deadline:
                return img

    def shot_showing(self, name, kinds):
        """The first shot whose filled boxes are those of kinds (or the last)."""
        return self.shot_when(name, lambda img: self.filled_boxes(img) == kinds)

    def filled_boxes(self, img):
        filled = []
        for kind, (x, y) in BOX.items():
            centre = img.pixel(*self.at(x + 6, y + 6, True))
            if centre[2] > 180 and centre[0] < 80:
                filled.append(kind)
        return sorted(filled)


class SettingsDialogTest(unittest.TestCase):
    def test_loads_paints_chooses_refuses_copies_and_closes_without_writing(self):
        with WineSession(name="settings-dialog") as s:
            folder = s.install_copy()
            scr = folder / SAVER_FILE
            written = write_settings(folder, 1, 7)
            proc = s.start(scr, "/c")
            d = Dialog(s, proc)

            # Centred across, at a third of the free height (the window's outer size).
            w = d.window
            self.assertLessEqual(abs(w.x - (s.width - w.width) // 2), 1)
            self.assertLessEqual(abs(w.y - (s.height - w.height) // 3), 1)
            self.assertEqual((w.width - CLIENT_W) % 2, 0)
            group = [c for c in s.children(w.hwnd) if c.width == 453]
            self.assertEqual([(c.x, c.y, c.height) for c in group], [(12, 16, 169)])
            buttons = sorted((c.x, c.y, c.width, c.height) for c in s.children(w.hwnd)
                             if c.cls == harness.PUSH_BUTTON_CLASS)
            self.assertEqual(buttons, [OTHER_WORKS, SAVE, CANCEL])

            first = d.shot_showing("loaded-kind-1", [1])
            # The window's rows: navy at the top, pale blue-grey at mid-height.
            self.assertTrue(near(first.pixel(*d.at(4, 0)), (0, 0, 30)), first.pixel(*d.at(4, 0)))
            self.assertTrue(near(first.pixel(*d.at(4, 126)), (220, 220, 250)))
            self.assertTrue(near(first.pixel(*d.at(470, 251)), (1, 1, 31), 4))
            # The group's own rows, grey: dark at its top, near-white at mid-height.
            self.assertTrue(near(first.pixel(*d.at(440, 0, True)), (30, 30, 30)))
            self.assertTrue(near(first.pixel(*d.at(440, 84, True)), (250, 250, 250)))
            # Texts: the white credit on the dark band, the black choices in the group.
            self.assertGreater(first.count(lambda p: min(p) > 200, d.box(CREDIT)), 40)
            for kind in (0, 1, 2):
                self.assertGreater(first.count(lambda p: max(p) < 60, d.box(LABEL[kind], True)), 15)
            # Kind 1: its box is filled, the track box shows 7 on white, "..." is disabled.
            self.assertEqual(d.filled_boxes(first), [1])
            track = d.box((TRACK_BOX[0] + 2, TRACK_BOX[1] + 3, 20, 13), True)
            # (The track box has the focus, so its text shows selected.)
            self.assertGreater(first.count(lambda p: min(p) < 200, track), 5)
            self.assertGreater(first.count(lambda p: min(p) > 250, track), 100)

            # A second copy ends at once while the dialog is up, whatever it is asked.
            for args in (["/c"], ["/s"]):
                other = s.start(scr, *args)
                self.assertEqual(s.wait_exit(other, timeout=60), 0, args)
            self.assertEqual(s.find_window(DIALOG).hwnd, w.hwnd)
            self.assertIsNone(s.find_window(RENDERER_TITLE))

            d.click_centre(LABEL[2], True)
            file_kind = d.shot_showing("chose-file", [2])
            self.assertEqual(d.filled_boxes(file_kind), [2])
            button = d.box(FILE_BUTTON, True)
            self.assertGreater(file_kind.diff_count(first, 24, button), 50)  # "..." enabled
            self.assertLess(file_kind.count(lambda p: min(p) > 250, track), 60)  # track box greyed

            d.click(*BOX[0], in_group=True, button="3")  # any mouse button, on the box too
            none_kind = d.shot_showing("chose-none", [0])
            self.assertEqual(d.filled_boxes(none_kind), [0])
            # "..." is disabled again: as it was loaded.
            self.assertLess(none_kind.diff_count(first, 24, button), 5)

            # Covered and uncovered, the painting stays.
            cover = s.start_probe("host", str(w.x), str(w.y), "300", "200")
            wait_until(lambda: cover.stdout.readline(), 30)
            cover.stdin.write(b"destroy\n")
            cover.stdin.flush()
            s.wait_exit(cover, timeout=30)
            repainted = [(d.at(4, 126), (220, 220, 250)), (d.at(440, 84, True), (250, 250, 250))]
            uncovered = d.shot_when("uncovered", lambda img: all(
                near(img.pixel(*at), colour) for at, colour in repainted))
            for at, colour in repainted:
                self.assertTrue(near(uncovered.pixel(*at), colour), (at, uncovered.pixel(*at)))

            # The close box: nothing is written, the program ends with 0.
            s.probe("post", DIALOG, str(WM_SYSCOMMAND), str(SC_CLOSE))
            self.assertEqual(s.wait_exit(proc, timeout=30), 0)
            self.assertIsNone(s.find_window(DIALOG))
            self.assertEqual((folder / SETTINGS_FILE).read_bytes(), written)

            # Cancel after changes: nothing is written either.
            proc = s.start(scr, "/c")
            d = Dialog(s, proc)
            d.click_centre(LABEL[2], True)
            d.click_centre(CANCEL)
            self.assertEqual(s.wait_exit(proc, timeout=30), 0)
            self.assertEqual((folder / SETTINGS_FILE).read_bytes(), written)

    def test_home_page_track_and_chosen_file_are_saved_as_cp932(self):
        with WineSession(name="settings-dialog-save") as s:
            folder = s.install_copy()
            music = s.temp_dir / "音楽"
            music.mkdir()
            (music / "theme.mp3").write_bytes(b"\0" * 64)
            # The shell's browser launch goes to a script that notes the address.
            launched = s.temp_dir / "browser.txt"
            browser = s.temp_dir / "browser.sh"
            browser.write_text(f'#!/bin/sh\necho "$@" >> "{launched}"\n')
            browser.chmod(0o755)
            subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\WineBrowser", "/v",
                            "Browsers", "/d", str(browser), "/f"], env=s.env, timeout=60,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
            try:
                self.save_flow(s, folder, music, launched)
            finally:
                subprocess.run(["wine", "reg", "delete", r"HKCU\Software\Wine\WineBrowser", "/v",
                                "Browsers", "/f"], env=s.env, timeout=60,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def save_flow(self, s, folder, music, launched):
        # No settings file: kind 0.
        proc = s.start(folder / SAVER_FILE, "/c")
        d = Dialog(s, proc)
        self.assertEqual(d.filled_boxes(d.shot_showing("no-settings", [0])), [0])

        d.click_centre(OTHER_WORKS)
        self.assertTrue(wait_until(lambda: launched.exists() and launched.read_text().strip(), 60))
        self.assertIn("https://", launched.read_text())
        self.assertIsNotNone(s.find_window(DIALOG))  # the dialog stays open

        d.click_centre(LABEL[2], True)
        before = d.shot("before-file")
        d.click_centre(FILE_BUTTON, True)
        self.assertTrue(wait_until(lambda: FILE_DIALOG in s.probe("foreground"), 30))
        time.sleep(1.0)
        # The whole path, through a folder with a Japanese name.
        s.xdotool("key", "Home", "shift+End")
        type_into(s, s.find_window(FILE_DIALOG).hwnd, s.wine_path(music / "theme.mp3"))
        s.xdotool("key", "Return")
        self.assertTrue(wait_until(lambda: DIALOG in s.probe("foreground"), 30))
        path_box = d.box(FILE_PATH, True)
        path_before = before.count(lambda p: max(p) < 60, path_box)
        after = d.shot_when("file-chosen",
                            lambda img: img.count(lambda p: max(p) < 60, path_box) > path_before + 100)
        self.assertGreater(after.count(lambda p: max(p) < 60, path_box), path_before + 100)

        d.click_centre(LABEL[1], True)  # back to the CD: the path is still saved
        d.click(TRACK_BOX[0] + 15, TRACK_BOX[1] + 10, in_group=True)
        type_text(s, "12")
        d.shot("track-typed")
        d.click_centre(SAVE)
        self.assertEqual(s.wait_exit(proc, timeout=30), 0)
        path = s.wine_path(music / "theme.mp3").encode("cp932")
        self.assertEqual((folder / SETTINGS_FILE).read_bytes(), settings_bytes(b"1", b"12", path))


class CloseWhileWaitingTest(unittest.TestCase):
    """A close request (as the setup's helper sends before it replaces the
    programs) while the dialog waits for the user ends the program cleanly,
    at whatever moment of the wait it comes."""

    def closes_cleanly(self, s, folder, proc, moment):
        s.probe("post", DIALOG, str(WM_CLOSE), check=True)
        self.assertEqual(s.wait_exit(proc, timeout=30), 0, moment)
        self.assertIsNone(s.find_window(DIALOG), moment)
        self.assertEqual((folder / SETTINGS_FILE).read_bytes(), self.settings, moment)

    def test_a_close_while_the_file_chooser_or_a_message_is_open_ends_the_program_cleanly(self):
        with WineSession(name="settings-dialog-close-waiting") as s:
            folder = s.install_copy()
            self.settings = write_settings(folder, 2, 0, "C:\\a.wav")
            for delay in (0.0, 0.3, 1.5):
                moment = f"chooser open {delay} s"
                proc = s.start(folder / SAVER_FILE, "/c")
                d = Dialog(s, proc)
                d.click_centre(LABEL[2], True)  # the first click may only bring the dialog forward
                d.click_centre(FILE_BUTTON, True)
                self.assertTrue(wait_until(lambda: FILE_DIALOG in s.probe("foreground"), 30), moment)
                time.sleep(delay)
                self.closes_cleanly(s, folder, proc, moment)

            # The save's message: the settings file held by another program.
            proc = s.start(folder / SAVER_FILE, "/c")
            d = Dialog(s, proc)
            holder = s.start_probe("hold", s.wine_path(folder / SETTINGS_FILE))
            self.assertEqual(holder.stdout.readline().decode().strip(), "held")
            d.click_centre(SAVE)
            # A message box is the only dialog-class window that can come.
            self.assertTrue(wait_until(lambda: "class=#32770" in s.probe("foreground"), 60),
                            "no message about the save")
            self.closes_cleanly(s, folder, proc, "the save's message open")
            holder.stdin.close()


if __name__ == "__main__":
    unittest.main()
