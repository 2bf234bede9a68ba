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

# "servidor:/caminho" vai ao servidor; um caminho local usa o motor embutido.
SERVIDOR=0
if [[ "$DESTINO" =~ ^[^/:]{2,}:.+ ]]; then
    SERVIDOR=1
fi

if [ "$SERVIDOR" = 1 ]; then
    [ -n "${ISC_PASSWORD:-}" ] || { echo "criar_base: defina ISC_PASSWORD com a senha do SYSDBA do servidor" >&2; exit 1; }
    # a senha vai no texto SQL pela entrada padrão, não na linha de comando
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
        export FIREBIRD_LOCK="${XDG_RUNTIME_DIR:-/tmp}/osvendas-fb-$(id -u)"
    fi
    if [ -n "${FIREBIRD_LOCK:-}" ]; then
        mkdir -p "$FIREBIRD_LOCK"
    fi
    USUARIO_SQL="USER 'SYSDBA'"
fi

SEMENTES=("$DB/seed/marcas.sql" "$DB/seed/checklist.sql" "$DB/seed/cidades.sql")
[ "$DEMO" = 1 ] && SEMENTES+=("$DB/seed/demo.sql")
for f in "$DB/schema.sql" "${SEMENTES[@]}"; do
    [ -r "$f" ] || { echo "criar_base: falta $f" >&2; exit 1; }
done

SAIDA="$(mktemp)"
CRIADA=0
terminar() {
    local rc=$?
    if [ "$rc" != 0 ]; then
        [ -s "$SAIDA" ] && cat "$SAIDA" >&2
        echo "criar_base: erro ao criar $DESTINO" >&2
        # base pela metade não fica para trás
        [ "$SERVIDOR" = 0 ] && [ "$CRIADA" = 1 ] && rm -f "$DESTINO"
    fi
    rm -f "$SAIDA"
    exit "$rc"
}
trap terminar EXIT

# roda o isql e falha em qualquer erro (o -bail para no primeiro; a saída é conferida também)
isql_sql() {
    "$ISQL" -q -bail -ch UTF8 >"$SAIDA" 2>&1
    ! grep -q -E 'Statement failed|SQLSTATE|Dynamic SQL Error|Unable to complete|I/O error' "$SAIDA"
}

DESTINO_SQL="'${DESTINO//\'/\'\'}'"
umask 077
echo "CREATE DATABASE $DESTINO_SQL $USUARIO_SQL PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1252;" | isql_sql
CRIADA=1

# Carga local sem gravação forçada (cada commit de DDL esperaria o disco); religada no fim.
[ "$SERVIDOR" = 0 ] && gfix -user SYSDBA -write async "$DESTINO"

# Os arquivos são UTF-8 (-ch UTF8); o Firebird converte para o WIN1252 da base.
{
    echo "CONNECT $DESTINO_SQL $USUARIO_SQL;"
    for f in "$DB/schema.sql" "${SEMENTES[@]}"; do
        echo "INPUT '${f//\'/\'\'}';"
    done
    echo "COMMIT;"
} | isql_sql

if [ "$SERVIDOR" = 0 ]; then
    gfix -user SYSDBA -write sync "$DESTINO"
    # o motor embutido não pede senha: só o dono lê a base
    chmod 600 "$DESTINO"
fi
echo "Base criada: $DESTINO"
