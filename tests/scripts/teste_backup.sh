#!/usr/bin/env bash
# Ida e volta de backup: base com dados -> backup -> restauração numa base nova -> mesmas linhas.
set -euo pipefail
RAIZ="$1"; MODELO="$2"
TMP="$(mktemp -d)"; trap 'rm -rf "$TMP"' EXIT
cp "$MODELO" "$TMP/orig.fdb"
# algumas linhas a mais, inclusive em tabelas com gatilhos
isql-fb -q -user SYSDBA "$TMP/orig.fdb" <<'SQL'
INSERT INTO ITENS_ORDEM_SERVICO (NROS, DEFEITO, SERVICO_EXECUTADO, VALOR) VALUES (1, 'TELA', 'TROCA', 150);
INSERT INTO ORDEM_SERVICO (NROS, CDCLIENTE, DATAOS, STATUS, VALOR_TOTAL) VALUES (1, 1, CURRENT_DATE, 'Aberta', 0);
COMMIT;
SQL
ARQ="$("$RAIZ/tools/backup_base.sh" "$TMP/bk" "$TMP/orig.fdb")"
[ -s "$ARQ" ] || { echo "backup vazio"; exit 1; }
ls "$TMP/bk" | grep -q parcial && { echo "sobrou arquivo parcial"; exit 1; }
"$RAIZ/tools/restaurar_base.sh" "$ARQ" "$TMP/nova.fdb" > "$TMP/nova.txt"
"$RAIZ/tools/contar_linhas.sh" "$TMP/orig.fdb" > "$TMP/orig.txt"
diff "$TMP/orig.txt" "$TMP/nova.txt"
grep -q '^ORDEM_SERVICO 1$' "$TMP/nova.txt"
# restaurar por cima de uma base existente é recusado
if "$RAIZ/tools/restaurar_base.sh" "$ARQ" "$TMP/nova.fdb" 2>/dev/null; then echo "sobrescreveu"; exit 1; fi
echo "ok"
