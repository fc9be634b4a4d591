# Sourced: lays two sample jobs into an empty data directory, so a newcomer
# sees something real; one of them armed.
qm_lay_samples() {
  local data=$1
  mkdir -p "$data"
  if find "$data" -mindepth 1 -maxdepth 1 -type d | grep -q .; then
    return 0
  fi
  echo "== laying two sample jobs into $data"
  local job
  for job in "日次売上の入力" "週次レポートの印刷"; do
    mkdir -p "$data/$job"
    : >"$data/$job/KeyRecord.def"
    : >"$data/$job/KeyRepeat.def"
  done
  printf '週次レポートの印刷,17:00,開始\r\n' | iconv -f UTF-8 -t CP932 >"$data/ExecTime.def"
}
