#!/usr/bin/env bash
# The i386 ring's emulated 32-bit machine: Debian 12 for i386 with 32-bit
# Wine and Xvfb, from Debian's packages, and a Wine prefix made at its first
# boot. Built once into ~/.cache/welmor/i386-KEY, KEY a hash of this recipe
# and of the Debian release it is built from. As root.
# Its standard output is one line, that folder: the caller takes it as a path,
# so every tool below writes to standard error (mke2fs -q still says
# "Creating regular file ..." on standard output).
set -euo pipefail
exec 3>&1 1>&2
here=$(cd "$(dirname "$0")" && pwd)
cache=${WELMOR_CACHE:-$HOME/.cache/welmor}
log() { echo "[image $((SECONDS))s] $*" >&2; }

# The mirror this host's apt uses, and only the release suite: it changes
# only at a point release, and the key changes with it, so two builds of one
# key hold the same packages.
mirror=$(sed -nE 's|^URIs: *(https?://[^ ]*/debian)/?$|\1|p; s|^deb +(https?://[^ ]*/debian)/? +bookworm .*|\1|p' \
           /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null | head -1 || true)
mirror=${mirror:-http://deb.debian.org/debian}
release=$(curl -fsS --max-time 60 "$mirror/dists/bookworm/Release" | grep -E '^(Version|Date):' || true)
if [ -z "$release" ]; then
  # No mirror: any image built before serves.
  dir=$(ls -dt "$cache"/i386-*/ready 2>/dev/null | head -1)
  [ -n "$dir" ] && { dirname "$dir" >&3; exit 0; }
  log "no Debian mirror and no cached image"; exit 1
fi
key=$(cat "$here/build-image.sh" "$here/init" "$here/prepare.sh" <(echo "$release") | sha256sum | cut -c1-16)
dir=$cache/i386-$key
[ -f "$dir/ready" ] && { echo "$dir" >&3; exit 0; }

log "building $dir from $mirror ($(echo $release | tr '\n' ' '))"
mkdir -p "$cache"
rm -rf "$dir.tmp" && mkdir -p "$dir.tmp/share"
cd "$dir.tmp"
# The i386 packages' scripts run here through qemu-user; Debian registers no
# i386 handler on an amd64 host, so register one for the build.
mountpoint -q /proc/sys/fs/binfmt_misc || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
  echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
    > /proc/sys/fs/binfmt_misc/register
  trap 'echo -1 > /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null || true' EXIT
fi
# A small initrd (the boot's three drivers only) keeps mkinitramfs, which
# runs under qemu-user, from taking minutes.
mmdebstrap --mode=root --arch=i386 --variant=apt -q \
  --include=linux-image-686,initramfs-tools,kmod,mount,procps,wine,wine32,xvfb,x11-utils,python3 \
  --essential-hook='mkdir -p "$1/etc/initramfs-tools/conf.d"; echo MODULES=list > "$1/etc/initramfs-tools/conf.d/welmor.conf"; printf "%s\n" virtio_pci virtio_blk ext4 >> "$1/etc/initramfs-tools/modules"' \
  --dpkgopt='path-exclude=/usr/share/doc/*' --dpkgopt='path-exclude=/usr/share/man/*' \
  --dpkgopt='path-exclude=/usr/share/locale/*' \
  --customize-hook='rm -rf "$1"/var/cache/apt/archives/*.deb "$1"/var/lib/apt/lists/*' \
  bookworm rootfs "$mirror"
log "root file system made"
install -m 755 "$here/init" rootfs/welmor-init
printf '127.0.0.1\tlocalhost q32\n' > rootfs/etc/hosts
chroot rootfs dpkg-query -W > packages.txt
cp rootfs/boot/vmlinuz-* vmlinuz
cp rootfs/boot/initrd.img-* initrd.img
# A fresh Wine prefix copies about 0.5 GB of DLLs.
mke2fs -q -t ext4 -d rootfs rootfs.img "$(( $(du -sm rootfs | cut -f1) + 1536 ))M"
rm -rf rootfs
log "image made; first boot makes the Wine prefix"
install -m 755 "$here/prepare.sh" share/guest.sh
. "$here/qemu.sh"
q32_boot "$dir.tmp" "$dir.tmp/share" keep
grep -q 'guest.sh exit status 0' share/out/console.log || { cat share/out/console.log share/out/guest.log >&2; exit 1; }
rm -rf share
log "Wine prefix made"
touch ready
for old in "$cache"/i386-*; do [ "$old" = "$dir.tmp" ] || rm -rf "$old"; done  # older recipes
mv "$dir.tmp" "$dir"
echo "$dir" >&3
