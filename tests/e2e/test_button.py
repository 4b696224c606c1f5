"""The owner-drawn push button on screen: a test host (tests/button_control/host)
places four buttons as the settings dialog does ("..." disabled), xdotool
drives the real pointer, screenshots are checked pixel by pixel and the host's
click log is compared with the rules. One pass drives the buttons of the real
settings dialog.
"""

import os
import subprocess
import time
import unittest
from pathlib import Path
from unittest import mock

import harness
from harness import ROOT, SAVER_FILE, SETTINGS_FILE, WineSession, wait_until

TEST_BIN = Path(os.environ.get("VELMORA_TEST_BIN", ROOT / "build/windows"))
HOST = TEST_BIN / "tests/button_control/host/velmora_button_host.exe"

# The buttons' places in the host's client area, in twips (as in the dialog).
BUTTON_TWIPS = {
    "Cmd_Etc": (2880, 3000, 1875, 375),
    "Cmd_Set": (4800, 3000, 1095, 375),
    "Cmd_Can": (5940, 3000, 1035, 375),
    "Cmd_BGM": (720, 1980, 435, 315),
}


def button_rects(dpi):
    """Client-area rectangles (x, y, w, h) in pixels, as the host rounds them."""
    return {name: tuple((v * dpi + 720) // 1440 for v in twips) for name, twips in BUTTON_TWIPS.items()}


BUTTONS = button_rects(96)
BACKGROUND = (40, 40, 90)
OUTLINE = (0, 60, 116)
ORANGE_SIDE = (252, 202, 105)
BLUE_SIDE = (169, 197, 239)
BEIGE = (236, 233, 216)
DISABLED_OUTLINE = (201, 199, 186)


def near(actual, expected, tolerance=3):
    return all(abs(a - e) <= tolerance for a, e in zip(actual, expected))


def dark(c):
    return max(c) < 90


class ButtonHostCase(unittest.TestCase):
    """Starting the host and finding its buttons on the screen."""

    def assertNear(self, actual, expected, what, tolerance=3):
        self.assertTrue(near(actual, expected, tolerance), f"{what}: {actual} is not near {expected}")

    def start_host(self, s):
        s.xdotool("mousemove", "0", "0")  # not over a button as it comes up
        self.log = s.temp_dir / "clicks.log"
        s.start(HOST, s.wine_path(self.log))
        ready = wait_until(lambda: self.log.exists() and self.log.read_text().startswith("ready"), 60)
        self.assertTrue(ready, "the host did not come up")
        _, x, y = self.log.read_text().split()[:3]
        self.origin = (int(x), int(y))

    def clicks(self):
        return [line for line in self.log.read_text().splitlines() if not line.startswith("ready")]

    def at(self, name, dx, dy):
        """Screen position of a pixel of a button."""
        bx, by, _, _ = BUTTONS[name]
        return self.origin[0] + bx + dx, self.origin[1] + by + dy

    def pixel(self, img, name, dx, dy):
        return img.pixel(*self.at(name, dx, dy))

    def box(self, name):
        x, y = self.at(name, 0, 0)
        _, _, w, h = BUTTONS[name]
        return x, y, x + w, y + h

    def move(self, s, name, dx=None, dy=None):
        _, _, w, h = BUTTONS[name]
        s.xdotool("mousemove", *self.at(name, w // 2 if dx is None else dx, h // 2 if dy is None else dy))

    def move_to_background(self, s):
        s.xdotool("mousemove", self.origin[0] + 20, self.origin[1] + 20)

    def shot_when(self, s, name, predicate, timeout=10.0):
        """Screenshots until predicate(img) holds; returns (img, seconds waited)."""
        start = time.monotonic()
        while True:
            img = s.screenshot(name)
            if predicate(img) or time.monotonic() - start > timeout:
                return img, time.monotonic() - start


    def first_picture(self, s):
        """The host at rest, once all its buttons are on the screen (a busy
        machine may take a while to show a new window)."""
        img, _ = self.shot_when(
            s, "rest", lambda i: all(near(self.pixel(i, name, 1, BUTTONS[name][3] // 2), OUTLINE)
                                     for name in ("Cmd_Etc", "Cmd_Set", "Cmd_Can")), timeout=30)
        return img


class ButtonTest(ButtonHostCase):
    def test_looks_and_clicks(self):
        with WineSession(width=800, height=600, name="button") as s:
            self.start_host(s)
            self.move_to_background(s)
            time.sleep(0.5)

            # At rest: the Normal frame over a white-to-lavender gradient.
            rest = self.first_picture(s)
            for name in ("Cmd_Etc", "Cmd_Set", "Cmd_Can"):
                self.assertNear(self.pixel(rest, name, 1, 12), OUTLINE, f"{name} outline")
                self.assertNear(self.pixel(rest, name, 6, 4), (245, 245, 248), f"{name} top of gradient")
                self.assertNear(self.pixel(rest, name, 6, 20), (208, 207, 222), f"{name} bottom of gradient")
                self.assertGreater(rest.count(dark, self.box(name)), 10, f"{name} caption")
            self.assertNear(rest.pixel(self.origin[0] + 2, self.origin[1] + 2), BACKGROUND, "host background")
            # "..." is disabled: the Disable frame and a greyed caption.
            self.assertNear(self.pixel(rest, "Cmd_BGM", 1, 10), DISABLED_OUTLINE, "disabled outline")
            self.assertEqual(rest.count(dark, self.box("Cmd_BGM")), 0)
            self.assertGreater(rest.count(lambda c: 100 < c[0] < 170 and c[0] == c[1] == c[2],
                                          self.box("Cmd_BGM")), 2, "greyed caption")

            # Hover: the orange rim and the gradient turned round.
            self.move(s, "Cmd_Set")
            hover, _ = self.shot_when(s, "hover", lambda i: near(self.pixel(i, "Cmd_Set", 2, 12), ORANGE_SIDE))
            self.assertNear(self.pixel(hover, "Cmd_Set", 2, 12), ORANGE_SIDE, "HighLight rim")
            self.assertNear(self.pixel(hover, "Cmd_Set", 36, 22), (229, 151, 0), "HighLight bottom rim")
            top, bottom = self.pixel(hover, "Cmd_Set", 6, 4), self.pixel(hover, "Cmd_Set", 6, 20)
            self.assertLess(sum(top), sum(bottom), "hover gradient runs dark to white")
            self.assertNear(self.pixel(hover, "Cmd_Can", 2, 12), (243, 243, 238), "the other button stays Normal")

            # Held down: Pressed; released: one Click and HighLightSelect.
            s.xdotool("mousedown", "1")
            pressed, _ = self.shot_when(s, "pressed", lambda i: near(self.pixel(i, "Cmd_Set", 0, 12), BEIGE))
            self.assertNear(self.pixel(pressed, "Cmd_Set", 0, 12), BEIGE, "Pressed outer ring")
            self.assertNear(self.pixel(pressed, "Cmd_Set", 2, 12), OUTLINE, "Pressed outline set in")
            self.assertEqual(self.clicks(), [])
            s.xdotool("mouseup", "1")
            self.assertTrue(wait_until(lambda: self.clicks() == ["Cmd_Set 1"], 5), self.clicks())
            released, _ = self.shot_when(s, "released", lambda i: near(self.pixel(i, "Cmd_Set", 2, 12), ORANGE_SIDE))
            self.assertNear(self.pixel(released, "Cmd_Set", 2, 12), ORANGE_SIDE, "HighLightSelect")

            # Leaving the focused button: Selected (blue rim) at the next poll.
            self.move_to_background(s)
            left, waited = self.shot_when(s, "left-focused", lambda i: near(self.pixel(i, "Cmd_Set", 2, 12), BLUE_SIDE))
            self.assertNear(self.pixel(left, "Cmd_Set", 2, 12), BLUE_SIDE, "Selected after leaving")
            self.assertLess(waited, 2.0)

            # Hovering an unfocused button and leaving it: back to Normal within a poll.
            self.move(s, "Cmd_Can")
            self.shot_when(s, "hover-cancel", lambda i: near(self.pixel(i, "Cmd_Can", 2, 12), ORANGE_SIDE))
            self.move_to_background(s)
            normal, waited = self.shot_when(
                s, "left-unfocused", lambda i: near(self.pixel(i, "Cmd_Can", 2, 12), (243, 243, 238)))
            self.assertNear(self.pixel(normal, "Cmd_Can", 2, 12), (243, 243, 238), "Normal after leaving")
            print(f"hover ended {waited * 1000:.0f} ms after the pointer left (screenshot-bound)")
            self.assertLess(waited, 2.0)

            # Right and middle buttons click without a press; a double-click clicks twice.
            self.move(s, "Cmd_Can")
            time.sleep(0.3)
            s.xdotool("click", "3")
            s.xdotool("click", "2")
            self.move(s, "Cmd_Etc")
            time.sleep(0.3)
            s.xdotool("click", "--repeat", "2", "--delay", "100", "1")
            expected = ["Cmd_Set 1", "Cmd_Can 1", "Cmd_Can 2", "Cmd_Etc 1", "Cmd_Etc 2"]
            self.assertTrue(wait_until(lambda: self.clicks() == expected, 5), self.clicks())

            # The disabled button ignores clicks; Enter and Space click the focused one.
            self.move(s, "Cmd_BGM")
            time.sleep(0.3)
            s.xdotool("click", "1")
            s.xdotool("key", "Return", "space")
            expected += ["Cmd_Etc 3", "Cmd_Etc 4"]
            self.assertTrue(wait_until(lambda: self.clicks() == expected, 5), self.clicks())

            # A press dragged off the button and held past a poll is cancelled.
            self.move(s, "Cmd_Set")
            time.sleep(0.3)
            s.xdotool("click", "1")  # focus it: Cmd_Set 2
            time.sleep(0.3)
            s.xdotool("mousedown", "1")
            time.sleep(0.3)
            self.move_to_background(s)
            time.sleep(0.6)
            s.xdotool("mouseup", "1")
            time.sleep(0.5)
            self.assertEqual(self.clicks(), expected + ["Cmd_Set 2"])
            cancelled = s.screenshot("drag-cancelled")
            self.assertNear(self.pixel(cancelled, "Cmd_Set", 2, 12), BLUE_SIDE, "Selected after the cancelled press")


class DialogButtonTest(unittest.TestCase):
    """The buttons inside the real settings dialog (Velmora.scr /c)."""

    def test_right_press_on_save_dragged_off_neither_saves_nor_closes(self):
        dialog, client_w, client_h = harness.SETTINGS_DIALOG, 479, 252
        save_centre, cancel_centre, background = (356, 212), (430, 212), (440, 244)
        with WineSession(name="button-dialog") as s:
            folder = s.install_copy()
            written = ("[Section]\r\nBGM区分=1\r\nBGMﾘﾋﾟｰﾄ=7\r\nBGMﾌｧｲﾙ=\r\n").encode("cp932")
            (folder / SETTINGS_FILE).write_bytes(written)
            proc = s.start(folder / SAVER_FILE, "/c")
            w = s.wait_visible(dialog, timeout=60)
            border = (w.width - client_w) // 2
            left, top = w.x + border, w.y + w.height - client_h - border
            time.sleep(1.0)

            def at(point):
                return str(left + point[0]), str(top + point[1])

            # Pressed on 設定, dragged onto the background and released there.
            # The pointer grab sends the release to the button, which must see
            # that it happened outside.
            s.xdotool("mousemove", *at(save_centre))
            time.sleep(0.3)
            s.xdotool("mousedown", "3")
            time.sleep(0.3)
            s.xdotool("mousemove", *at(background))
            s.xdotool("mouseup", "3")
            time.sleep(1.0)
            # Nothing is left pending for the next click in the dialog.
            s.xdotool("click", "1")
            time.sleep(1.0)
            self.assertIsNone(proc.poll(), "the dialog closed")
            self.assertIsNotNone(s.find_window(dialog))
            self.assertEqual((folder / SETTINGS_FILE).read_bytes(), written)
            # The buttons still answer: ｷｬﾝｾﾙ closes without writing.
            s.xdotool("mousemove", *at(cancel_centre))
            time.sleep(0.3)
            s.xdotool("click", "1")
            self.assertEqual(s.wait_exit(proc, timeout=30), 0)
            self.assertEqual((folder / SETTINGS_FILE).read_bytes(), written)


class ButtonDpiTest(ButtonHostCase):
    """At 120 and 144 dots per inch the layout, the caption and the frame grow
    with the twips: the frame comes from the pictures made for that DPI, 5 and
    6 pixels wide. Runs in a Wine prefix of its own, so the changed DPI never
    reaches the other tests."""

    def test_frame_grows_with_the_dpi(self):
        global BUTTONS
        prefix = TEST_BIN / "button-dpi-wineprefix"
        try:
            with mock.patch.object(harness, "PREFIX", prefix):
                for dpi in (120, 144):
                    BUTTONS = button_rects(dpi)
                    with WineSession(width=1024, height=768, name=f"button-dpi{dpi}") as s:
                        subprocess.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                                        "/t", "REG_DWORD", "/d", str(dpi), "/f"],
                                       env=s.env, check=True, capture_output=True, timeout=120)
                        s.restart_wine()
                        self.check_scaled_frame(s, dpi)
        finally:
            BUTTONS = button_rects(96)

    def check_scaled_frame(self, s, dpi):
        self.start_host(s)
        self.move_to_background(s)
        img = self.first_picture(s)
        for name in ("Cmd_Etc", "Cmd_Set", "Cmd_Can"):
            _, _, w, h = BUTTONS[name]
            what = f"{name} at {dpi} dpi"
            self.assertNear(self.pixel(img, name, 1, h // 2), OUTLINE, what + " left outline")
            self.assertNear(self.pixel(img, name, w - 2, h // 2), OUTLINE, what + " right outline")
            self.assertNear(self.pixel(img, name, w // 2, 1), OUTLINE, what + " top outline")
            self.assertNear(self.pixel(img, name, w // 2, h - 2), OUTLINE, what + " bottom outline")
            # Corners copied pixel for pixel: the rounded corner's two blends.
            self.assertNear(self.pixel(img, name, 1, 1), (122, 149, 168), what + " corner")
            self.assertNear(self.pixel(img, name, 2, 1), (37, 87, 131), what + " corner")
            # The frame is 60 twips wide: its last column is the picture, the next the gradient.
            frame = 4 * dpi // 96
            self.assertNear(self.pixel(img, name, frame - 1, h // 2), (243, 243, 238), what + " frame")
            self.assertNear(self.pixel(img, name, frame, frame), (255, 255, 255),
                            what + " gradient top", 12)
            # The caption grows with the DPI and stays centred.
            x0, y0, x1, y1 = self.box(name)
            dark_points = [(x, y) for y in range(y0, y1) for x in range(x0, x1) if dark(img.pixel(x, y))]
            self.assertTrue(dark_points, what + " caption")
            ys = [p[1] for p in dark_points]
            xs = [p[0] for p in dark_points]
            self.assertGreaterEqual(max(ys) - min(ys) + 1, 10 * dpi // 96, what + " caption height")
            self.assertLessEqual(abs((min(xs) + max(xs)) / 2 - (x0 + x1) / 2), 3, what + " caption centred")


if __name__ == "__main__":
    unittest.main()
