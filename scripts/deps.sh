#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, only when missing.
set -euo pipefail

packages=(
    # build and test tools
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev python3
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
    # the drag tests move the pointer and hold keys through the X server's test extension
    libxtst-dev
    imagemagick x11-utils
    # libraries
    libpng-dev zlib1g-dev libboost-regex-dev libcurl4-openssl-dev
    # a real web server on loopback for the web tests, and the certificates it serves
    libcpp-httplib-dev libssl-dev openssl
    libomniorb4-dev omniidl omniorb-nameserver
    libwxgtk3.2-dev
    # a notebook's tabs are measured by GTK itself
    libgtk-3-dev
    # the details window: its embedded browser and its player of sound marks (MP3 over GStreamer)
    libwxgtk-webview3.2-dev libwxgtk-media3.2-dev gstreamer1.0-plugins-good
    # run time: opening web pages and mail links
    xdg-utils
    # word lists that the code-page tables are made from
    wamerican hunspell-el
    # reads back RTF output in the tests
    libreoffice-writer-nogui
    # prints to PostScript files and reads them back in the tests
    libcairo2-dev ghostscript poppler-utils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# wxWebView looks for its WebKit extension under the install prefix (lib/wx/3.2/web-extensions),
# while Debian puts it in the multiarch library folder; without it pages load but scripts cannot
# be run in them (RunScript, GetPageText).
extensions=/usr/lib/$(gcc -print-multiarch)/wx/3.2/web-extensions
if [ -d "$extensions" ] && [ ! -e /usr/lib/wx/3.2/web-extensions ]; then
    mkdir -p /usr/lib/wx/3.2
    ln -s "$extensions" /usr/lib/wx/3.2/web-extensions
fi
