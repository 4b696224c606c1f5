"""The settings file as the programs write it: section "Section", the three keys in
code page 932, CR LF lines. Spelled once here for every end-to-end test."""

from __future__ import annotations

from pathlib import Path

from harness import SETTINGS_FILE

KEY_KIND = "BGM区分".encode("cp932")
KEY_TRACK = "BGMﾘﾋﾟｰﾄ".encode("cp932")
KEY_FILE = "BGMﾌｧｲﾙ".encode("cp932")


def settings_bytes(kind: bytes, track: bytes, file_bytes: bytes = b"") -> bytes:
    """The file's bytes after a save of these three values."""
    return (b"[Section]\r\n" + KEY_KIND + b"=" + kind + b"\r\n" + KEY_TRACK + b"=" + track +
            b"\r\n" + KEY_FILE + b"=" + file_bytes + b"\r\n")


def write_settings(folder: Path, kind: int | bytes, track: int | bytes = 0,
                   file_text: str | bytes = "") -> bytes:
    """Writes the settings file into the folder and returns its bytes."""
    def as_bytes(value):
        return value if isinstance(value, bytes) else str(value).encode("cp932")

    content = settings_bytes(as_bytes(kind), as_bytes(track), as_bytes(file_text))
    (folder / SETTINGS_FILE).write_bytes(content)
    return content
