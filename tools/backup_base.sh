#!/usr/bin/env bash
# Cópia de segurança da base configurada (motor embutido ou servidor) num arquivo datado.
#   tools/backup_base.sh [pasta_destino] [caminho_da_base]
# Sem caminho, lê StrCon do Config.ini ao lado do executável (build/Config.ini).
# Servidor ("host:/caminho"): senha do SYSDBA em ISC_PASSWORD.
set -euo pipefail
RAIZ="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
DESTINO="${1:-${XDG_DATA_HOME:-$HOME/.local/share}/osvendas/backups}"
BASE="${2:-}"
if [ -z "$BASE" ]; then
    CONFIG="${OSV_BUILD:-$RAIZ/build}/Config.ini"
    [ -f "$CONFIG" ] || { echo "backup: $CONFIG não encontrado" >&2; exit 1; }
    BASE="$(tr -d '\r' < "$CONFIG" | sed -n 's/^[[:space:]]*StrCon[[:space:]]*=[[:space:]]*//Ip' | head -1)"
fi
[ -n "$BASE" ] || { echo "backup: caminho da base vazio" >&2; exit 1; }
if [ "$(id -u)" != 0 ] && [ -z "${FIREBIRD_LOCK:-}" ]; then
    export FIREBIRD_LOCK="/tmp/osvendas-fb-$(id -u)"
    mkdir -p "$FIREBIRD_LOCK"
fi
mkdir -p "$DESTINO"
ARQUIVO="$DESTINO/BASE_$(date +%Y-%m-%d_%H%M%S).fbk"
PARCIAL="$ARQUIVO.parcial"
AUT=(-user SYSDBA)
[ -n "${ISC_PASSWORD:-}" ] && AUT+=(-password "$ISC_PASSWORD")
# grava com outro nome e só renomeia no fim: um backup interrompido nunca parece completo
if ! gbak -b -g "${AUT[@]}" "$BASE" "$PARCIAL"; then
    rm -f "$PARCIAL"
    echo "backup: falhou" >&2
    exit 1
fi
chmod 600 "$PARCIAL"
mv "$PARCIAL" "$ARQUIVO"
echo "$ARQUIVO"
