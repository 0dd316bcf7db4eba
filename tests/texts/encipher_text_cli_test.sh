#!/bin/sh
# Runs the built encipher_text: round trips, layers, --utf8, usage errors.
tool=$1
failures=0
check() {  # name expected actual
  if [ "$2" != "$3" ]; then
    echo "FAIL $1: expected [$2], got [$3]"
    failures=$((failures + 1))
  fi
}

stored=$("$tool" --prefix AB hello)
check "known stored text" ABFCFNCAKMDC "$stored"
check "decipher" hello "$("$tool" --decipher "$stored")"

stored=$("$tool" --pass secret --prefix QZ "a b c")
check "decipher with pass" "a b c" "$("$tool" --decipher --pass secret "$stored")"

stored=$("$tool" --layers 2 hello)
check "two layers, length" 26 "${#stored}"
check "two layers" hello "$("$tool" --decipher --layers 2 "$stored")"
case $stored in [A-Z][A-Z]*) ;; *) check "random prefix letters" yes no ;; esac

# 中文 is 4 bytes in GBK (6 in UTF-8): stored text 2 + 2 * 4 bytes.
stored=$("$tool" --utf8 中文)
check "utf8 in, length" 10 "${#stored}"
check "utf8 round trip" 中文 "$("$tool" --decipher --utf8 "$stored")"
check "gbk bytes out" d6d0cec4 \
  "$("$tool" --decipher "$stored" | od -An -tx1 | tr -d ' \n' | sed 's/0a$//')"

for args in "--bogus hello" "" "--prefix AB" "--layers x hi" "--layers 0 hi" \
            "--prefix ABC hi" "one two" "--pass"; do
  # shellcheck disable=SC2086
  "$tool" $args >/dev/null 2>/tmp/encipher_text_err.$$
  check "exit code for [$args]" 2 $?
  check "one usage line for [$args]" 1 "$(wc -l </tmp/encipher_text_err.$$ | tr -d ' ')"
done
rm -f /tmp/encipher_text_err.$$

[ $failures -eq 0 ] && echo "all encipher_text checks passed"
exit $((failures != 0))
