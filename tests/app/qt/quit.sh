# Sourced by the tests that start rezhim.
#   asks_to_quit PID   asks rezhim, PID, to end as a session that ends asks: waits up to 30 s
#                      until it handles SIGTERM (/proc's SigCgt, once PID is rezhim and no more
#                      the shell that starts it), sends it, and waits up to 10 s for it to end;
#                      fails if either does not happen
asks_to_quit() {
    local pid=$1 name caught tries
    for ((tries = 0; ; tries++)); do
        name=$(cat "/proc/$pid/comm" 2>/dev/null) || return 1
        caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null) || return 1
        [[ $name == rezhim ]] && ((0x$caught & 1 << (15 - 1))) && break
        ((tries < 300)) || return 1
        sleep 0.1
    done
    kill -TERM "$pid" && timeout 10 tail --pid="$pid" -f /dev/null
}
