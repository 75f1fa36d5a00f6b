# Starts a program that holds folder $2 until stopped, runs a second one and
# init-workdir on it, stops the first and runs a third: prints their exit codes.
cli=$1 wd=$2
"$cli" --workdir "$wd" -e 'select RadioGroup2 1; type Edit1 5; type Edit2 1
check CheckBox3 0; check CheckBox14 0; check CheckBox15 0; set lineI CBAAA
set lineII CABBB; call Button3Click; click Button6; advance 1000000000000' >/dev/null 2>&1 &
holder=$!
n=0
until grep -q "^$holder rcalab-cli" "$wd/.rcalab.lock" 2>/dev/null; do
    n=$((n + 1))
    if [ $n -gt 1200 ]; then kill $holder; echo "the holder never locked the folder"; exit 1; fi
    sleep 0.1
done
"$cli" --workdir "$wd" -e 'print lineLength'
second=$?
"$cli" init-workdir "$wd" >/dev/null 2>&1
init=$?
kill $holder
wait $holder
"$cli" --workdir "$wd" -e 'print lineLength' >/dev/null
echo "second=$second init=$init holder=$holder after=$?"
