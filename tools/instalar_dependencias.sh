#!/usr/bin/env bash
# Instala os pacotes Debian que faltam para compilar, rodar e testar o programa.
set -euo pipefail
PACOTES=(
    build-essential cmake ninja-build ccache pkg-config git
    qt6-base-dev qt6-base-dev-tools libqt6sql6-ibase libgl1-mesa-dev
    firebird3.0-server-core firebird3.0-utils libfbclient2 firebird-dev
    cups cups-client cups-pdf poppler-utils
    fonts-liberation2 fonts-dejavu-core
    xvfb xauth locales libbenchmark-dev
)
FALTAM=()
for p in "${PACOTES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || FALTAM+=("$p")
done
if [ ${#FALTAM[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    echo "Instalando: ${FALTAM[*]}"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${FALTAM[@]}"
fi
# os testes e as lojas usam pt_BR
if ! locale -a 2>/dev/null | grep -qi '^pt_BR.utf8$'; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO sed -i 's/^# *pt_BR.UTF-8 UTF-8/pt_BR.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^pt_BR.UTF-8 UTF-8' /etc/locale.gen || echo 'pt_BR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
fi
