# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package CPack makes of the build: its contents, fields and lintian's verdict."""

import glob
import platform
import re
import tempfile
from shlex import join
from subprocess import getoutput

from catalogues import LANGUAGES

ID = "org.lurchfield.lurchfield"
CONTENTS = ["bin/lurchfield", f"share/applications/{ID}.desktop", f"share/metainfo/{ID}.metainfo.xml",
            "share/lurchfield/pinpon.wav", "share/lurchfield/endpinpon.wav", "share/doc/lurchfield/copyright",
            *(f"share/lurchfield/translations/lurchfield_{language}.qm" for language in LANGUAGES),
            *(f"share/icons/hicolor/{n}x{n}/apps/{ID}.png" for n in (32, 64, 128, 256))]


def check_package(fx):
    """The .deb CPack makes: its files, the packages it depends on and recommends, lintian."""
    with tempfile.TemporaryDirectory() as out:
        said = getoutput(join(["cpack", "-G", "DEB", "-B", out, "--config", f"{fx.build}/CPackConfig.cmake"]))
        name = f"lurchfield_*.*.*+deb{platform.freedesktop_os_release()['VERSION_ID']}_amd64.deb"
        debs = glob.glob(f"{out}/{name}")
        if not fx.expect(len(debs) == 1, f"cpack makes {name}" + ("" if debs else said)):
            return
        listed = getoutput(join(["dpkg-deb", "-c", debs[0]]))
        missing = {f"./usr/{path}" for path in CONTENTS} - set(listed.split())
        missing |= set() if re.search(r" \./usr/lib/\S*lurchfield/sound\.so$", listed, re.M) else {"sound.so"}
        fx.expect(not missing, f"it holds the program, entry, icons, metainfo, chimes, catalogues, copyright "
                  f"{missing}")
        fields = getoutput(join(["dpkg-deb", "-f", debs[0], "Depends", "Recommends"]))
        fx.expect("libqt6widgets6 (>= " in fields, f"dpkg-shlibdeps worked out its libraries:\n{fields}")
        fx.expect("\nRecommends: fonts-ipafont-gothic, pulseaudio | pipewire-pulse, qt6-wayland, "
                  "qt6-translations-l10n" in fields,
                  "it recommends the Japanese font, a sound server, Qt's Wayland and catalogues")
        said = re.findall(r"^[EW]: .*", getoutput(join(["lintian", debs[0]])), re.M)
        fx.expect(not said, "lintian reports no errors and no warnings" + "".join("\n  " + e for e in said))
