#!/usr/bin/env bash
# Prints the Windows architecture that runs under Wine on this machine: i686 where the kernel
# executes 32-bit code (Wine's 32-bit loader starts), x86_64 where it runs 64-bit code only.
# The program ships as i686 either way; on an x86_64-only machine the Windows tests and the demo
# run on a 64-bit build of the same sources (build/win64).
if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo i686; else echo x86_64; fi
