"""Velmora.dll over the hours of a real run: a desktop whose mode changes under
it, and displays that the power manager turns off (or a session locked) while
it runs."""

import subprocess
import time
import unittest

from harness import PROBE, RENDERER_FILE, RENDERER_TITLE, WindowInfo, WineSession, wait_until

TITLE = RENDERER_TITLE
WM_WTSSESSION_CHANGE = 0x02B1
WTS_SESSION_LOCK, WTS_SESSION_UNLOCK = 7, 8
DISPLAYS_OFF, DISPLAYS_ON, DISPLAYS_DIMMED = 0, 1, 2


def coloured(p):
    return max(p) - min(p) > 80


def dark(p):
    return max(p) < 16


class VirtualDesktop:
    """A Wine desktop of its own on the X screen; programs in it see only its
    windows, so the probe looks from inside it (where Wine 8 finds its
    foreground window, though not a window by its title)."""

    def __init__(self, session: WineSession, name: str):
        self.session, self.name = session, name
        self.calls = 0

    def start(self, exe, size: str):
        return self.session.start("explorer", f"/desktop={self.name},{size}", exe)

    def probe(self, *args: str) -> str:
        """Runs a probe command that prints one line; returns it ('' when none
        came). The desktop's process starts the probe and may return at once
        or live on, so the output goes into a file of its own and is waited
        for there; the session ends whatever is left."""
        self.calls += 1
        output = self.session.temp_dir / f"desktop-probe-{self.calls}.txt"
        with open(output, "wb") as out:
            self.session._procs.append(subprocess.Popen(
                ["wine", "explorer", f"/desktop={self.name}", str(PROBE), *args],
                env=self.session.env, stdin=subprocess.DEVNULL, stdout=out,
                stderr=subprocess.DEVNULL, start_new_session=True))
        line = wait_until(lambda: (text := output.read_bytes()).endswith(b"\n") and text, 30)
        return line.decode("cp932", errors="replace") if line else ""

    def foreground(self, title: str) -> WindowInfo | None:
        out = self.probe("foreground")
        window = WindowInfo.parse(out.splitlines()[0]) if out.strip() else None
        return window if window and window.title == title else None


class RendererDisplaysTest(unittest.TestCase):
    def frames_over(self, s, seconds: float) -> int:
        first = s.frames()
        time.sleep(seconds)
        return s.frames() - first

    def assert_frames_stop(self, s, message):
        """Waits for a frame already under way, then for two seconds with none."""
        self.assertTrue(wait_until(lambda: self.frames_over(s, 0.5) == 0, 15), message)
        self.assertEqual(self.frames_over(s, 2.0), 0, message)

    def test_mode_changes_mid_run_are_covered_at_once_and_a_key_still_ends_it(self):
        with WineSession(width=1600, height=1000, name="renderer-display-modes") as s:
            desktop = VirtualDesktop(s, "VelmoraModes")
            desktop.start(s.dist_path(RENDERER_FILE), "1280x720")
            # Drawing, so its desktop is up: the probes go into that one.
            self.assertTrue(wait_until(lambda: s.probe("frames"), timeout=60))
            shown = wait_until(lambda: (w := desktop.foreground(TITLE)) and w.visible and w, 60)
            self.assertTrue(shown, "the renderer's window in the virtual desktop")
            self.assertEqual((shown.x, shown.y, shown.width, shown.height), (0, 0, 1280, 720))

            for width, height in ((1600, 1000), (800, 600)):
                self.assertIn("result=0", desktop.probe("set-mode", str(width), str(height)))
                laid_out = wait_until(
                    lambda: (w := desktop.foreground(TITLE)) and (w.width, w.height) ==
                    (width, height) and w, timeout=30)
                self.assertTrue(laid_out, f"the window covers the {width} x {height} desktop")
                self.assertEqual((laid_out.x, laid_out.y), (0, 0))
                s.wait_frames(60)  # the picture spreads over the new desktop
                shot = s.screenshot(f"desktop-{width}x{height}")
                # The effect reaches every edge of the new desktop: spots and
                # the darkness between them along all four borders.
                for box in ((0, 0, 60, height), (width - 60, 0, width, height),
                            (0, 0, width, 60), (0, height - 60, width, height)):
                    self.assertGreater(shot.count(coloured, box), 100, (width, height, box))
                    self.assertGreater(shot.count(dark, box), 50, (width, height, box))
                self.assertGreater(self.frames_over(s, 1.0), 3, "the effect goes on")

            s.xdotool("key", "a")
            # The renderer's frame count goes with it.
            self.assertTrue(wait_until(lambda: s.probe("frames") == "", timeout=15),
                            "a key ends the run on the changed desktop")

    def test_frames_stop_while_the_displays_are_off_or_the_session_is_locked(self):
        with WineSession(width=800, height=600, name="renderer-displays-off") as s:
            proc = s.start(s.dist_path(RENDERER_FILE))
            s.wait_visible(TITLE, timeout=30)
            s.wait_frames(1)
            self.assertGreater(self.frames_over(s, 1.5), 5)

            s.probe("display-state", TITLE, str(DISPLAYS_OFF), check=True)
            self.assert_frames_stop(s, "no frames with the displays off")
            s.probe("display-state", TITLE, str(DISPLAYS_DIMMED), check=True)
            self.assertGreater(self.frames_over(s, 1.5), 5, "dimmed displays still show it")

            s.probe("post", TITLE, str(WM_WTSSESSION_CHANGE), str(WTS_SESSION_LOCK), check=True)
            self.assert_frames_stop(s, "no frames while locked")
            s.probe("post", TITLE, str(WM_WTSSESSION_CHANGE), str(WTS_SESSION_UNLOCK),
                    check=True)
            self.assertGreater(self.frames_over(s, 1.5), 5)

            self.assertIsNone(proc.poll(), "none of it ends the run")
            s.probe("display-state", TITLE, str(DISPLAYS_OFF), check=True)
            s.xdotool("key", "a")
            self.assertEqual(s.wait_exit(proc, timeout=20), 0, "input ends it with the displays off")

    def test_a_move_on_a_monitor_the_picture_cannot_cover_ends_the_run(self):
        # A desktop wider than the GL's largest drawable window (16384 pixels):
        # the picture falls back to the 800 x 600 primary monitor, and the
        # second monitor's own part gets no window of the renderer's.
        with WineSession(width=800, height=600, more_screens=((16500, 64),),
                         name="renderer-uncovered-monitor") as s:
            s.xdotool("mousemove", "300", "300")
            proc = s.start(s.dist_path(RENDERER_FILE))
            info = s.wait_visible(TITLE, timeout=45)
            self.assertEqual((info.x, info.y, info.width, info.height), (0, 0, 800, 600))
            s.wait_frames(30)
            s.xdotool("mousemove", "10000", "30")  # the first move never ends it
            time.sleep(1)
            self.assertIsNone(proc.poll())
            s.xdotool("mousemove", "12000", "40")
            self.assertEqual(s.wait_exit(proc, timeout=20), 0, "a move beyond the picture ends it")


if __name__ == "__main__":
    unittest.main()
