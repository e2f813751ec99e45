# Vardeln — MIT licence, see LICENSE.
# The files an installation must hold, one a line, relative to the installation prefix.
expected_files() { grep -v '^#' "$(dirname "${BASH_SOURCE[0]}")/installed_files.txt"; }
