"""Velmora.dll on a high-DPI panel: the points grow with the DPI, so a
2560 x 1600 panel at 200 % looks as a 1280 x 800 one at 100 % does."""

import os
import time
import unittest
from pathlib import Path
from unittest import mock

import harness
from harness import RENDERER_FILE, RENDERER_TITLE, ROOT, WineSession, wait_until

# In a prefix of its own, so the changed DPI never reaches the other tests.
PREFIX = Path(os.environ.get("VELMORA_TEST_BIN", ROOT / "build/windows")) / "renderer-dpi-wineprefix"


def lit_share(shot) -> float:
    """The share of the screen's pixels with any channel above 24."""
    pixels = shot.pixels
    lit = sum(1 for r, g, b in zip(pixels[0::3], pixels[1::3], pixels[2::3]) if max(r, g, b) > 24)
    return lit / (shot.width * shot.height)


class RendererDpiTest(unittest.TestCase):
    def mean_lit_share(self, width: int, height: int, dpi: int) -> float:
        with WineSession(width=width, height=height, name=f"renderer-dpi{dpi}") as s:
            s.set_dpi(dpi)
            proc = s.start(s.dist_path(RENDERER_FILE))
            s.wait_visible(RENDERER_TITLE, timeout=60)
            # Trails build up over the first frames: wait for a second's worth.
            frames = lambda: int(s.probe("frames").strip().partition("=")[2] or 0)
            self.assertTrue(wait_until(lambda: frames() >= 60, timeout=60), "frames drawn")
            shares = []
            for shot in range(3):
                shares.append(lit_share(s.screenshot(f"{width}x{height}-{shot}")))
                time.sleep(0.5)
            s.xdotool("key", "a")
            self.assertEqual(s.wait_exit(proc, timeout=30), 0)
            return sum(shares) / len(shares)

    def test_a_panel_at_200_percent_is_as_lit_as_one_at_100_percent(self):
        with mock.patch.object(harness, "PREFIX", PREFIX):
            at_96 = self.mean_lit_share(1280, 800, 96)
            at_192 = self.mean_lit_share(2560, 1600, 192)
        self.assertGreater(at_96, 0.2)
        self.assertAlmostEqual(at_192, at_96, delta=0.2 * at_96,
                               msg=f"lit share {at_192:.3f} at 192 dpi, {at_96:.3f} at 96 dpi")


if __name__ == "__main__":
    unittest.main()
