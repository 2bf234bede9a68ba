#!/usr/bin/env bash
# Restaura uma cópia de segurança numa base NOVA e confere a base restaurada.
#   tools/restaurar_base.sh <arquivo.fbk> <nova/BASE.FDB>
# Nunca sobrescreve uma base existente. Ao fim, valida a base e lista as linhas por tabela.
set -euo pipefail
[ $# -eq 2 ] || { echo "uso: $0 <arquivo.fbk> <nova/BASE.FDB>" >&2; exit 2; }
ORIGEM="$1"
NOVA="$2"
[ -f "$ORIGEM" ] || { echo "restaurar: $ORIGEM não existe" >&2; exit 1; }
case "$NOVA" in *:*) ;; *) [ -e "$NOVA" ] && { echo "restaurar: $NOVA já existe" >&2; exit 1; } ;; esac
if [ "$(id -u)" != 0 ] && [ -z "${FIREBIRD_LOCK:-}" ]; then
    export FIREBIRD_LOCK="/tmp/osvendas-fb-$(id -u)"
    mkdir -p "$FIREBIRD_LOCK"
fi
AUT=(-user SYSDBA)
[ -n "${ISC_PASSWORD:-}" ] && AUT+=(-password "$ISC_PASSWORD")
gbak -c "${AUT[@]}" "$ORIGEM" "$NOVA"
case "$NOVA" in *:*) ;; *) chmod 600 "$NOVA" ;; esac
# validação completa: páginas, índices e registros
SAIDA="$(gfix -v -full -n "${AUT[@]}" "$NOVA" 2>&1 || true)"
if [ -n "$SAIDA" ]; then
    echo "restaurar: a validação encontrou problemas:" >&2
    echo "$SAIDA" >&2
    exit 1
fi
"$(dirname "${BASH_SOURCE[0]}")/contar_linhas.sh" "$NOVA"
