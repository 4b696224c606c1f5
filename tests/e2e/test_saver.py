"""Velmora.scr's start-up and saver run, end to end under Wine.

Every test works on a copy of the shipped programs in a folder of its own, so
a settings file or a missing renderer stays with that test.
"""

import subprocess
import time
import unittest

from harness import (PREVIEW_CLASS, RENDERER_FILE, RENDERER_TITLE, RUN_WINDOW, SAVER_FILE,
                     SAVER_MESSAGE_CAPTION, SETTINGS_DIALOG, WineSession, wait_until)

MESSAGE_TITLE = SAVER_MESSAGE_CAPTION
MISSING_RENDERER = "Velmora.dll が Velmora.scr と同じﾌｫﾙﾀﾞに見つかりません！"
DIALOG = SETTINGS_DIALOG
WM_CLOSE = 0x0010
WM_SYSCOMMAND, SC_CLOSE = 0x0112, 0xF060
WM_COMMAND = 0x0111
IDOK = 1


def renderer_processes(session) -> int:
    """Renderer processes started from this session's folder."""
    marker = session.temp_dir.name + "\\\\Velmora\\\\" + RENDERER_FILE
    out = subprocess.run(["pgrep", "-fc", marker], capture_output=True, text=True).stdout
    return int(out.strip() or 0)


class SaverRunTest(unittest.TestCase):
    def start_run(self, s, *args):
        folder = s.install_copy()
        scr = folder / SAVER_FILE
        run = s.start(scr, *args)
        renderer = s.wait_window(RENDERER_TITLE, timeout=90)
        form = s.wait_window(RUN_WINDOW, timeout=30)
        return scr, run, renderer, form

    def end_renderer_by_key(self, s, run):
        """Presses a key; returns the seconds from the renderer's end to the run's end."""
        self.press_key_on_renderer(s)
        gone = time.monotonic()
        code = s.wait_exit(run, timeout=30)
        return code, time.monotonic() - gone

    def press_key_on_renderer(self, s):
        """Presses a key and waits until the renderer's window is gone."""
        # The title comes with the window's creation; keys reach it once it is
        # shown and has the focus.
        s.wait_visible(RENDERER_TITLE, timeout=60)
        self.assertTrue(wait_until(lambda: RENDERER_TITLE in s.probe("foreground"), 30))
        time.sleep(1.0)
        s.xdotool("key", "a")
        s.wait_gone(RENDERER_TITLE, timeout=30)

    def test_run_is_hidden_refuses_other_copies_and_ends_with_the_renderer(self):
        with WineSession(name="saver-run") as s:
            scr, run, renderer, form = self.start_run(s, "/s")
            self.assertFalse(form.visible)
            self.assertEqual(form.pid, wait_until(lambda: s.find_window(RUN_WINDOW), 5).pid)
            self.assertNotEqual(form.pid, renderer.pid)
            self.assertEqual(renderer_processes(s), 1)

            # Every new start ends at once while the run is up, previews included.
            for args in (["/s"], ["/c"], ["/p", str(renderer.hwnd)], []):
                other = s.start(scr, *args)
                self.assertEqual(s.wait_exit(other, timeout=60), 0, args)
            self.assertEqual(renderer_processes(s), 1)
            self.assertEqual(s.find_window(RENDERER_TITLE).hwnd, renderer.hwnd)
            self.assertIsNotNone(s.find_window(RUN_WINDOW))
            self.assertIsNone(run.poll())

            code, lag = self.end_renderer_by_key(s, run)
            self.assertEqual(code, 0)
            # The renderer watch looks every 50 ms; the margin is for a loaded machine.
            self.assertLess(lag, 5.0)
            self.assertIsNone(s.find_window(RUN_WINDOW))

    def test_two_runs_started_at_the_same_moment_make_one_run(self):
        with WineSession(name="saver-together") as s:
            scr = s.install_copy() / SAVER_FILE
            # One of the two ends at once, before it reads the settings or
            # starts any music; the other runs with one renderer.
            together = s.start_probe("together", "2", f'"{s.wine_path(scr)}" /s')
            # (A line, not the end of the output: the copies hold the pipe open.)
            self.assertRegex(together.stdout.readline().decode(), r"ended=[01]\tcode=0")
            s.wait_window(RENDERER_TITLE, timeout=90)
            time.sleep(2.0)  # time for a second renderer to show itself
            self.assertEqual(renderer_processes(s), 1)
            self.assertIsNotNone(s.find_window(RUN_WINDOW))
            self.press_key_on_renderer(s)
            s.wait_gone(RUN_WINDOW, timeout=30)

    def test_a_run_started_while_a_renderer_runs_watches_that_one(self):
        with WineSession(name="saver-over-renderer") as s:
            folder = s.install_copy()
            # A renderer that an earlier run left behind.
            s.start(s.wine_path(folder / RENDERER_FILE))
            renderer = s.wait_window(RENDERER_TITLE, timeout=90)
            run = s.start(folder / SAVER_FILE, "/s")
            s.wait_window(RUN_WINDOW, timeout=60)
            time.sleep(2.0)  # time for a second renderer to show itself
            self.assertEqual(renderer_processes(s), 1)
            self.assertEqual(s.find_window(RENDERER_TITLE).hwnd, renderer.hwnd)
            code, _ = self.end_renderer_by_key(s, run)
            self.assertEqual(code, 0)

    def test_no_argument_text_opens_the_settings(self):
        # Explorer's Configure on the file starts it with no arguments.
        with WineSession(name="saver-empty") as s:
            proc = s.start(s.install_copy() / SAVER_FILE)
            s.wait_visible(DIALOG, timeout=60)
            self.assertIsNone(s.find_window(RUN_WINDOW))
            self.assertEqual(renderer_processes(s), 0)
            s.probe("post", DIALOG, str(WM_SYSCOMMAND), str(SC_CLOSE), check=True)
            self.assertEqual(s.wait_exit(proc, timeout=30), 0)
            self.assertEqual(renderer_processes(s), 0)

    def test_close_request_from_outside_ends_the_run_and_the_renderer_with_it(self):
        with WineSession(name="saver-close") as s:
            _, run, _, _ = self.start_run(s, "/S")
            s.probe("post", RUN_WINDOW, str(WM_CLOSE), check=True)
            self.assertEqual(s.wait_exit(run, timeout=30), 0)
            self.assertIsNone(s.find_window(RUN_WINDOW))
            # The renderer lives in a job that ends with Velmora.scr.
            self.assertTrue(wait_until(lambda: renderer_processes(s) == 0, 2.0), "the renderer lives on")
            self.assertIsNone(s.find_window(RENDERER_TITLE))

    def test_other_requests_end_silently(self):
        with WineSession(name="saver-other") as s:
            scr = s.install_copy() / SAVER_FILE
            for args in (["/a"], ["S"], ["/"]):
                proc = s.start(scr, *args)
                self.assertEqual(s.wait_exit(proc, timeout=60), 0, args)
            self.assertEqual(renderer_processes(s), 0)
            self.assertIsNone(s.find_window(RUN_WINDOW))
            self.assertIsNone(s.find_window(RENDERER_TITLE))
            self.assertIsNone(s.find_window(MESSAGE_TITLE))


class MissingRendererTest(unittest.TestCase):
    def test_run_configure_empty_and_unknown_requests_show_the_message(self):
        with WineSession(name="saver-missing") as s:
            folder = s.install_copy()
            (folder / RENDERER_FILE).unlink(missing_ok=True)
            for args in (["/s"], ["/c"], [], ["/a"]):
                proc = s.start(folder / SAVER_FILE, *args)
                box = s.wait_visible(MESSAGE_TITLE, timeout=60)
                self.assertEqual(box.cls, "#32770", args)
                texts = [child.title for child in s.children(box.hwnd)]
                self.assertIn(MISSING_RENDERER, texts, args)
                self.assertIsNone(s.find_window(RUN_WINDOW), args)
                # The program waits for OK.
                time.sleep(0.5)
                self.assertIsNone(proc.poll(), args)
                s.probe("post", MESSAGE_TITLE, str(WM_COMMAND), str(IDOK), check=True)
                self.assertEqual(s.wait_exit(proc, timeout=30), 0, args)
                self.assertIsNone(s.find_window(RUN_WINDOW), args)
                # The next request's box must not be taken for this one.
                wait_until(lambda: s.find_window(MESSAGE_TITLE) is None, 30)

    def test_preview_needs_no_renderer(self):
        with WineSession(name="saver-missing-preview") as s:
            folder = s.install_copy()
            (folder / RENDERER_FILE).unlink(missing_ok=True)
            host, hwnd = s.start_host(100, 100, 152, 112)
            proc = s.start(folder / SAVER_FILE, "/p", str(hwnd))
            child = wait_until(lambda: [c for c in s.children(hwnd) if c.cls == PREVIEW_CLASS], 60)
            self.assertTrue(child, "no preview form in the host")
            self.assertIsNone(s.find_window(MESSAGE_TITLE))
            host.stdin.write(b"destroy\n")
            host.stdin.flush()
            self.assertEqual(s.wait_exit(proc, timeout=30), 0)


if __name__ == "__main__":
    unittest.main()
