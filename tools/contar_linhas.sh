#!/usr/bin/env bash
# Lista "TABELA linhas" de cada tabela do programa numa base (para conferir backups).
set -euo pipefail
BASE="$1"
AUT=(-user SYSDBA)
[ -n "${ISC_PASSWORD:-}" ] && AUT+=(-password "$ISC_PASSWORD")
TABELAS="$(echo "SELECT TRIM(RDB\$RELATION_NAME) FROM RDB\$RELATIONS WHERE RDB\$SYSTEM_FLAG = 0 AND RDB\$VIEW_BLR IS NULL ORDER BY 1;" |
    isql-fb -q "${AUT[@]}" "$BASE" | awk 'NF==1 && $1 !~ /^=+$/ && $1 != "TRIM"')"
SQL=""
for t in $TABELAS; do
    SQL+="SELECT '$t', COUNT(*) FROM $t;"$'\n'
done
echo "$SQL" | isql-fb -q "${AUT[@]}" "$BASE" | awk 'NF==2 && $1 !~ /^=+$/ && $1 != "CONSTANT" {print $1, $2}'
