# Shared by run.sh and test.sh: installs what the build needs when it is missing.
# Debian 12 packages only; nothing is downloaded by the build itself.
kirveno_packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-charts-dev
                  qt6-qpa-plugins libgl1-mesa-dev fonts-dejavu-core)

kirveno_install() {
    local missing=()
    for package in "${kirveno_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}
