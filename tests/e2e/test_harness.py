"""The harness itself: the probe finds and watches windows on the session's display."""

import unittest

from harness import WineSession, wait_until

GREY = (128, 128, 128)


class ProbeTest(unittest.TestCase):
    def test_window_is_found_watched_and_closed_by_title(self):
        with WineSession(name="harness") as s:
            host = s.start_probe("host", "40", "50", "152", "112")
            hwnd = int(host.stdout.readline())
            info = s.wait_window("Velmora probe host", timeout=30)
            self.assertEqual(info.hwnd, hwnd)
            self.assertEqual((info.x, info.y, info.width, info.height), (40, 50, 152, 112))
            self.assertTrue(info.visible)
            self.assertEqual(info.cls, "VelmoraProbeHost")
            self.assertEqual(s.children(hwnd), [])
            # The host's grey brush, once the host has painted.
            shot = wait_until(lambda: (i := s.screenshot("host")).pixel(100, 100) == GREY and i, 30)
            self.assertTrue(shot, "the host is not painted grey")
            self.assertEqual(shot.pixel(10, 10), (0, 0, 0))  # the bare root window
            host.stdin.write(b"destroy\n")
            host.stdin.flush()
            self.assertLess(s.wait_gone("Velmora probe host", timeout=20), 20)
            self.assertEqual(s.wait_exit(host, timeout=20), 0)
            self.assertIsNone(s.find_window("Velmora probe host"))


if __name__ == "__main__":
    unittest.main()
