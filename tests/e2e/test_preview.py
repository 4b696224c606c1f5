"""Velmora.scr /p: the preview form inside a host window of another process.

Wine does not draw a child whose parent belongs to another process, so here
the form's place, size and lifetime are checked; its picture is checked by the
Wine test of the preview form, with a host in the same process.
"""

import os
import time
import unittest
from pathlib import Path
from unittest import mock

import harness
from harness import ROOT, SAVER_FILE, WineSession, wait_until


class PreviewTest(unittest.TestCase):
    def preview(self, s, x, y, width, height, args_format="/p {}", awareness=None):
        host, hwnd = s.start_host(x, y, width, height, awareness)
        scr = s.install_copy() / SAVER_FILE
        proc = s.start(scr, *args_format.format(hwnd).split(" "))
        # The form becomes a child of the host before it is sized, and is shown
        # once it has its size.
        forms = wait_until(lambda: [c for c in s.children(hwnd)
                                    if c.cls == harness.PREVIEW_CLASS and c.visible], 60)
        self.assertTrue(forms, "no preview form shown in the host")
        self.assertEqual(len(forms), 1)
        return host, hwnd, proc, forms[0]

    def destroy_host(self, s, host):
        host.stdin.write(b"destroy\n")
        host.stdin.flush()
        self.assertEqual(s.wait_exit(host, timeout=30), 0)

    def test_fills_a_host_of_the_still_size_and_ends_with_it(self):
        with WineSession(name="preview-fit") as s:
            host, hwnd, proc, form = self.preview(s, 200, 150, 152, 112)
            self.assertEqual((form.x, form.y, form.width, form.height), (0, 0, 152, 112))
            # The form lives on its own until its host goes.
            time.sleep(1.0)
            self.assertIsNone(proc.poll())
            self.assertIsNone(s.find_window(harness.RUN_WINDOW))
            self.destroy_host(s, host)
            self.assertEqual(s.wait_exit(proc, timeout=15), 0)

    def test_takes_the_size_of_a_larger_host_at_its_origin(self):
        with WineSession(name="preview-large") as s:
            host, hwnd, proc, form = self.preview(s, 333, 222, 400, 300)
            self.assertEqual((form.x, form.y, form.width, form.height), (0, 0, 400, 300))
            self.destroy_host(s, host)
            self.assertEqual(s.wait_exit(proc, timeout=15), 0)

    def test_host_number_is_read_from_position_four(self):
        with WineSession(name="preview-noblank") as s:
            # "/P" + the number with no blank: the handle read is the number
            # without its first digit, which names no window here.
            host, hwnd = s.start_host(10, 10, 152, 112)
            proc = s.start(s.install_copy() / SAVER_FILE, f"/P{hwnd}")
            self.assertEqual(s.wait_exit(proc, timeout=60), 0)
            self.assertEqual(s.children(hwnd), [])
            # With a separator in its place, the same number works.
            proc = s.start(s.install_copy() / SAVER_FILE, f"/P:{hwnd}")
            self.assertTrue(wait_until(lambda: s.children(hwnd), 60))
            self.destroy_host(s, host)
            self.assertEqual(s.wait_exit(proc, timeout=15), 0)

    def test_takes_the_hosts_pixel_size_at_higher_dpi(self):
        # In a prefix of its own, so the changed DPI never reaches the other tests.
        prefix = Path(os.environ.get("VELMORA_TEST_BIN", ROOT / "build/windows")) / "preview-dpi-wineprefix"
        with mock.patch.object(harness, "PREFIX", prefix):
            for dpi in (120, 144):
                with WineSession(name=f"preview-dpi{dpi}") as s:
                    s.set_dpi(dpi)
                    host, hwnd, proc, form = self.preview(s, 100, 100, 152, 112)
                    self.assertEqual((form.x, form.y, form.width, form.height), (0, 0, 152, 112), dpi)
                    self.destroy_host(s, host)
                    self.assertEqual(s.wait_exit(proc, timeout=15), 0)

    def test_comes_up_in_a_host_of_each_dpi_awareness(self):
        # At 144 dpi an unaware host measures 1.5 times its size in the screen's
        # pixels (what the probe reports); the form fills it in every awareness.
        prefix = Path(os.environ.get("VELMORA_TEST_BIN", ROOT / "build/windows")) / "preview-dpi-wineprefix"
        with mock.patch.object(harness, "PREFIX", prefix):
            with WineSession(name="preview-awareness") as s:
                s.set_dpi(144)
                for awareness, number, size in (("unaware", 0, (228, 168)), ("system", 1, (152, 112)),
                                                ("permonitor", 2, (152, 112))):
                    host, hwnd, proc, form = self.preview(s, 100, 100, 152, 112, awareness=awareness)
                    shown = s.find_window("Velmora probe host")
                    self.assertEqual((shown.awareness, shown.width, shown.height), (number, *size), awareness)
                    self.assertEqual((form.awareness, form.x, form.y, form.width, form.height),
                                     (number, 0, 0, *size), awareness)
                    self.destroy_host(s, host)
                    self.assertEqual(s.wait_exit(proc, timeout=15), 0)

    def test_without_a_usable_host_the_program_ends_at_once(self):
        with WineSession(name="preview-nohost") as s:
            scr = s.install_copy() / SAVER_FILE
            for args in (["/p"], ["/p", "0"], ["/p", "12345678"], ["/p", "99999999999"]):
                proc = s.start(scr, *args)
                self.assertEqual(s.wait_exit(proc, timeout=60), 0, args)
            self.assertIsNone(s.find_window("Preview Window"))


if __name__ == "__main__":
    unittest.main()
