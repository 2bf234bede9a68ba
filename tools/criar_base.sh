#!/bin/bash
# Cria uma base nova do programa: esquema, dados de referência e, com --demo, dados de exemplo.
#   tools/criar_base.sh <caminho/BASE.FDB> [--demo]
#   tools/criar_base.sh <servidor>:<caminho/BASE.FDB> [--demo]   (senha do SYSDBA em ISC_PASSWORD)
# Nunca sobrescreve uma base existente.
set -euo pipefail

uso() { echo "uso: $0 <caminho/BASE.FDB | servidor:/caminho/BASE.FDB> [--demo]" >&2; exit 2; }

DESTINO=""
DEMO=0
for arg in "$@"; do
    case "$arg" in
        --demo) DEMO=1 ;;
        -*) uso ;;
        *) [ -z "$DESTINO" ] || uso; DESTINO="$arg" ;;
    esac
done
[ -n "$DESTINO" ] || uso

RAIZ="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
DB="$RAIZ/db"
ISQL="${ISQL:-isql-fb}"
command -v "$ISQL" >/dev/null || { echo "criar_base: $ISQL não encontrado (pacote firebird3.0-utils)" >&2; exit 1; }

# "servidor:/caminho" vai ao servidor; caminho local (ou "C:...") usa o motor embutido.
SERVIDOR=0
if [[ "$DESTINO" =~ ^[^/:]{2,}:.+ ]]; then
    SERVIDOR=1
fi

ARGS_ISQL=(-q -bail -ch UTF8)
if [ "$SERVIDOR" = 1 ]; then
    [ -n "${ISC_PASSWORD:-}" ] || { echo "criar_base: defina ISC_PASSWORD com a senha do SYSDBA do servidor" >&2; exit 1; }
    USUARIO_SQL="USER 'SYSDBA' PASSWORD '${ISC_PASSWORD//\'/\'\'}'"
else
    case "$DESTINO" in /*) ;; *) DESTINO="$PWD/$DESTINO" ;; esac
    if [ -e "$DESTINO" ]; then
        echo "criar_base: $DESTINO já existe; não vou sobrescrever" >&2
        exit 1
    fi
    mkdir -p "$(dirname "$DESTINO")"
    # o motor embutido precisa de uma pasta de travas gravável; fora do root, uma só do usuário
    # (todo processo que abre a mesma base precisa usar a mesma pasta)
    if [ "$(id -u)" != 0 ] && [ -z "${FIREBIRD_LOCK:-}" ]; then
        export FIREBIRD_LOCK="/tmp/osvendas-fb-$(id -u)"
    fi
    if [ -n "${FIREBIRD_LOCK:-}" ]; then
        mkdir -p "$FIREBIRD_LOCK"
        chmod 700 "$FIREBIRD_LOCK" 2>/dev/null || true
    fi
    USUARIO_SQL="USER 'SYSDBA'"
fi

SEMENTES=("$DB/seed/marcas.sql" "$DB/seed/checklist.sql" "$DB/seed/cidades.sql")
[ "$DEMO" = 1 ] && SEMENTES+=("$DB/seed/demo.sql")
for f in "$DB/schema.sql" "${SEMENTES[@]}"; do
    [ -r "$f" ] || { echo "criar_base: falta $f" >&2; exit 1; }
done

# Um só isql: cria a base e roda tudo na mesma conexão. Os arquivos são UTF-8 (-ch UTF8);
# o Firebird converte para o WIN1252 da base.
SAIDA="$(mktemp)"
trap 'rm -f "$SAIDA"' EXIT
umask 077
{
    echo "SET SQL DIALECT 3;"
    echo "CREATE DATABASE '${DESTINO//\'/\'\'}' $USUARIO_SQL PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1252;"
    # só na carga: sem gravação forçada por commit (religada no fim)
    for f in "$DB/schema.sql" "${SEMENTES[@]}"; do
        echo "INPUT '${f//\'/\'\'}';"
    done
    echo "COMMIT;"
} | "$ISQL" "${ARGS_ISQL[@]}" >"$SAIDA" 2>&1 || {
    cat "$SAIDA" >&2
    echo "criar_base: erro ao criar $DESTINO" >&2
    [ "$SERVIDOR" = 1 ] || rm -f "$DESTINO"
    exit 1
}
# o isql pode acusar erro sem sair com código de erro: qualquer mensagem é falha
if grep -q -E 'Statement failed|SQLSTATE|SQL error|Dynamic SQL Error|Unable to|Error' "$SAIDA"; then
    cat "$SAIDA" >&2
    echo "criar_base: erro ao criar $DESTINO" >&2
    [ "$SERVIDOR" = 1 ] || rm -f "$DESTINO"
    exit 1
fi

if [ "$SERVIDOR" = 0 ]; then
    # o motor embutido não pede senha: só o dono lê a base
    chmod 600 "$DESTINO"
fi
echo "Base criada: $DESTINO"
