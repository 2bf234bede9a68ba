#!/usr/bin/env bash
# Instala o que falta, compila, cria a base e o Config.ini na primeira vez e abre o programa.
set -euo pipefail
RAIZ="$(cd "$(dirname "$0")" && pwd)"
"$RAIZ/tools/instalar_dependencias.sh"
"$RAIZ/tools/compilar.sh"
PASTA="${OSV_BUILD:-$RAIZ/build}"
DADOS="${XDG_DATA_HOME:-$HOME/.local/share}/osvendas"
BASE="$DADOS/BASE.FDB"
mkdir -p "$DADOS"
if [ ! -f "$BASE" ]; then
    echo "Criando a base de dados em $BASE"
    "$RAIZ/tools/criar_base.sh" "$BASE"
fi
if [ ! -f "$PASTA/Config.ini" ]; then
    printf '[CONEXAO]\r\nStrCon=%s\r\nModulo=C0M_ORDEM_DE_SERVICO\r\nPreview_na_Venda=SIM\r\n\r\n[APARENCIA]\r\nEstilo=Amakrits\r\n' \
        "$BASE" > "$PASTA/Config.ini"
fi
[ "${OSV_SO_PREPARAR:-0}" = "1" ] && exit 0
exec "$PASTA/osvendas" "$@"
