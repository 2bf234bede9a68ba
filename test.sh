#!/usr/bin/env bash
# Prepara tudo como o run.sh e roda todos os testes; sai com erro se algum falhar.
set -euo pipefail
RAIZ="$(cd "$(dirname "$0")" && pwd)"
PASTA="${OSV_BUILD:-$RAIZ/build}"
OSV_SO_PREPARAR=1 "$RAIZ/run.sh"

# serviços de que os testes de integração precisam (impressão, servidor Firebird)
PARAR=()
parar_servicos() { for p in "${PARAR[@]:-}"; do [ -n "$p" ] && eval "$p" || true; done; }
trap parar_servicos EXIT
for servico in "$RAIZ"/tools/servicos_teste/*.sh; do
    [ -f "$servico" ] || continue
    # cada script inicia seu serviço e imprime o comando que o para
    PARAR+=("$("$servico" iniciar)")
done

export LANG=pt_BR.UTF-8 LC_ALL=pt_BR.UTF-8
ctest --test-dir "$PASTA" --output-on-failure -j1
