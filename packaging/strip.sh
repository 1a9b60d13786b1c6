#!/bin/sh
# The strip that the package's install step runs on the programs: it removes
# what Debian's own packaging removes, the symbols and the compiler's
# .comment and .note sections.
exec strip --remove-section=.comment --remove-section=.note --strip-unneeded "$@"
